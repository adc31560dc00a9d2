#include "donation_query.h"

#include <QBoxLayout>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>

#include "help_contexts.h"
#include "screen_classes.h"
#include "splash_image.h"

TDonationQuery::TDonationQuery(QWidget* parent, QSize screen)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("DonationQuery"));
    setWindowTitle(QStringLiteral("Selvarion Donations"));
    setFont(PixelFont("Arial", 12));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 12, 24, 12);

    const auto addLabel = [this, column](const char* name, const QString& text, const QFont& font,
                                         Qt::Alignment alignment, int indent = 0) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QLatin1String(name));
        label->setFont(font);
        label->setWordWrap(true);
        label->setAlignment(alignment);
        label->setIndent(indent);
        column->addWidget(label);
        return label;
    };
    const auto addButton = [this, column](const char* name, const QString& caption, const QFont& font) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        button->setFont(font);
        column->addWidget(button, 0, Qt::AlignHCenter);
        return button;
    };
    const QFont text = PixelFont("Arial", 12);
    ProgramIcon = addLabel("ProgramIcon", QString(), text, Qt::AlignHCenter);
    ProgramIcon->setPixmap(ProgramIconPicture());
    TitleLabel1 = addLabel("TitleLabel1", QStringLiteral("SELVARION"), PixelFont("Times New Roman", 24, true),
                           Qt::AlignHCenter);
    QPalette blue = TitleLabel1->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    TitleLabel1->setPalette(blue);
    TitleLabel2 = addLabel("TitleLabel2", QStringLiteral("Express Appreciation"),
                           PixelFont("Times New Roman", 24, true), Qt::AlignHCenter);
    TextLabel1 = addLabel("TextLabel1",
                          QStringLiteral("Selvarion may be used free of charge, but if you wish to express your "
                                         "appreciation for the time and resources the author has expended "
                                         "developing and supporting it over the years, we do accept donations."),
                          text, Qt::AlignLeft);
    TextLabel2 = addLabel("TextLabel2", QStringLiteral("There are two ways to contribute."), text, Qt::AlignLeft);
    TextLabel4 = addLabel("TextLabel4",
                          QStringLiteral("Online, through a secure online payment service. Credit cards are "
                                         "accepted, and you do not need an account with the service. Please "
                                         "click the button below."),
                          text, Qt::AlignLeft);
    DonateButton = addButton("DonateButton", QStringLiteral("Donate Online"), PixelFont("Arial", 15, true));
    TextLabel3 = addLabel("TextLabel3", QStringLiteral("Via mail. Send check or money order to:"), text,
                          Qt::AlignLeft);
    AddressLabel1 = addLabel("AddressLabel1", QStringLiteral("Selvarion Donations"), text, Qt::AlignLeft, 30);
    AddressLabel2 = addLabel("AddressLabel2", QStringLiteral("P.O. Box 0000"), text, Qt::AlignLeft, 30);
    AddressLabel3 = addLabel("AddressLabel3", QStringLiteral("Anytown, ST 00000"), text, Qt::AlignLeft, 30);
    CloseButton = addButton("CloseButton", QStringLiteral("Close"), text);
    column->addStretch(1);

    connect(DonateButton, &QPushButton::clicked, this, &TDonationQuery::DonateButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);

    if (!screen.isValid())
        screen = PrimaryScreenSize();
    SetScaledWindowSize(*this, QSize(456, 470), IsSmallScreen(screen) ? 82 : 100);
    CentreOnScreen(*this);
    AssignHelpContexts(*this);
}

void TDonationQuery::DonateButtonClick()
{
    QDesktopServices::openUrl(DonationPageUrl);
    accept();
}
