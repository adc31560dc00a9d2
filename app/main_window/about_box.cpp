#include "about_box.h"

#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

#include "help_contexts.h"
#include "screen_classes.h"
#include "settings_store.h"
#include "splash_image.h"

TAboutBox::TAboutBox(QWidget* parent, QSize screen)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Selvarion"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(255, 255, 225));   // tooltip yellow
    setPalette(colours);
    setFont(PixelFont("Arial", 13));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    BorderPanel = new QFrame(this);
    BorderPanel->setObjectName(QStringLiteral("BorderPanel"));
    BorderPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    outer->addWidget(BorderPanel);
    auto* column = new QVBoxLayout(BorderPanel);
    column->setContentsMargins(3, 3, 3, 3);
    auto* row = new QHBoxLayout;
    column->addLayout(row, 1);

    SplashImage = new QLabel(BorderPanel);
    SplashImage->setObjectName(QStringLiteral("SplashImage"));
    SplashImage->setScaledContents(true);
    SplashImage->setPixmap(SplashPicture());
    SplashImage->setFixedWidth(256);
    row->addWidget(SplashImage);

    MainPanel = new QFrame(BorderPanel);
    MainPanel->setObjectName(QStringLiteral("MainPanel"));
    row->addWidget(MainPanel, 1);
    auto* lines = new QVBoxLayout(MainPanel);
    const auto addLine = [this, lines](const char* name, const QString& text, const QFont& font) {
        auto* label = new QLabel(text, MainPanel);
        label->setObjectName(QLatin1String(name));
        label->setAlignment(Qt::AlignHCenter);
        label->setWordWrap(true);
        label->setFont(font);
        lines->addWidget(label);
        return label;
    };
    ProgramIcon = addLine("ProgramIcon", QString(), font());
    ProgramIcon->setPixmap(ProgramIconPicture());
    ProductName = addLine("ProductName", QStringLiteral("SELVARION"), PixelFont("Times New Roman", 24, true));
    QPalette blue = ProductName->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    ProductName->setPalette(blue);
    ProductDescription = addLine("ProductDescription", QStringLiteral("for Linux"), font());

    QString fileVersion, version, release, build;
    GetVersionInfoValue(QStringLiteral("FileVersion"), fileVersion);
    SplitFileVersion(fileVersion, version, release, build);
    Version = addLine("Version", QStringLiteral("Version ") + version, font());
    Release = addLine("Release", QStringLiteral("Release ") + release, font());
    Build = addLine("Build", QStringLiteral("Build ") + build, font());
    Copyright1 = addLine("Copyright1", QStringLiteral("Copyright \u00a9 The Selvarion authors"), font());
    Copyright2 = addLine("Copyright2", QStringLiteral("All rights reserved"), font());
    lines->addStretch(1);
    Comments = addLine("Comments",
                       QStringLiteral("This program may be used and shared free of charge. It is "
                                      "given as it is, without warranty of any kind."),
                       PixelFont("Arial", 12));
    lines->addStretch(1);

    BottomPanel = new QFrame(BorderPanel);
    BottomPanel->setObjectName(QStringLiteral("BottomPanel"));
    BottomPanel->setFixedHeight(50);
    column->addWidget(BottomPanel);
    auto* foot = new QVBoxLayout(BottomPanel);
    BottomLabel = new QLabel(QStringLiteral("The title picture was drawn for this program."),
                             BottomPanel);
    BottomLabel->setObjectName(QStringLiteral("BottomLabel"));
    BottomLabel->setAlignment(Qt::AlignCenter);
    BottomLabel->setWordWrap(true);
    BottomLabel->setFont(PixelFont("Times New Roman", 12, false, true));
    foot->addWidget(BottomLabel);

    if (!screen.isValid())
        screen = PrimaryScreenSize();
    SetScaledWindowSize(*this, QSize(554, 487), IsSmallScreen(screen) ? 85 : 100);
    CentreOnScreen(*this);
    AssignHelpContexts(*this);
}

void TAboutBox::mousePressEvent(QMouseEvent* e)
{
    // Clicks on the labels and the picture reach the window too; the credit line does not close.
    QDialog::mousePressEvent(e);
    const QWidget* target = childAt(e->position().toPoint());
    if (target && (target == BottomPanel || BottomPanel->isAncestorOf(target)))
        return;
    accept();
}
