// The Bible-version pages of the Preferences dialog: their controls, layout and the
// bindings of their commands.
#include "options_dialog.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "settings_store.h"
#include "version_name_label.h"
#include "version_roles.h"

namespace {

template <typename T>
T* Named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel* VersionNameLabel(const QString& name)
{
    auto* label = Named(new TVersionNameLabel(BuiltInVersionName), name);
    SetVersionColor(label, InForceColor);
    return label;
}

QWidget* AddHiddenPage(QTabWidget* pages, const char* name)
{
    auto* page = Named(new QWidget, QLatin1String(name));
    const int index = pages->addTab(page, QString());
    pages->setTabVisible(index, false);
    return page;
}

QLabel* AddLabel(QLayout* layout, const char* name, const QString& caption)
{
    auto* label = Named(new QLabel(caption), QLatin1String(name));
    layout->addWidget(label);
    return label;
}

const QString RoleCaptions[3] = {QStringLiteral("Old Testament:"), QStringLiteral("New Testament:"),
                                 QStringLiteral("Apocrypha:")};

} // namespace

QPushButton* TOptionsDialog::AddPageButton(QLayout* layout, const char* name, const QString& caption)
{
    auto* button = Named(new QPushButton(caption), QLatin1String(name));
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

void TOptionsDialog::BuildBibleVersionsPage()
{
    BibleVersions = Named(new QWidget, QStringLiteral("BibleVersions"));
    auto* layout = new QVBoxLayout(BibleVersions);
    std::array<QLabel*, 6> labels{};
    static const char* const names[] = {"ActiveOT1", "ActiveNT1", "ActiveApoc1",
                                        "ActiveOT2", "ActiveNT2", "ActiveApoc2"};
    for (int group = 0; group < 2; ++group) {
        auto* box = new QGroupBox(group == 0 ? QStringLiteral("Bible Versions to be used for Bible Readings:")
                                             : QStringLiteral("Bible Versions to be used for Bible Search:"));
        auto* form = new QFormLayout(box);
        for (int part = 0; part < 3; ++part) {
            const size_t role = size_t(group * 3 + part);
            labels[role] = VersionNameLabel(QLatin1String(names[role]));
            form->addRow(RoleCaptions[part], labels[role]);
        }
        layout->addWidget(box);
    }
    ActiveOT1 = labels[0];
    ActiveNT1 = labels[1];
    ActiveApoc1 = labels[2];
    ActiveOT2 = labels[3];
    ActiveNT2 = labels[4];
    ActiveApoc2 = labels[5];
    auto* change = new QGroupBox(QStringLiteral("Change Versions for Bible Readings or Bible Search:"));
    auto* changeLayout = new QHBoxLayout(change);
    ChangeVersionsButton = AddPageButton(changeLayout, "ChangeVersionsButton",
                                         QStringLiteral("Change Active Versions"));
    ApplyButton = AddPageButton(changeLayout, "ApplyButton", QStringLiteral("Apply Changes"));
    ApplyButton->setEnabled(false);
    layout->addWidget(change);
    layout->addStretch(1);
    PageControl->addTab(BibleVersions, QStringLiteral("Bible Versions"));
}

void TOptionsDialog::BuildBibleFilesPage()
{
    BibleFiles = Named(new QWidget, QStringLiteral("BibleFiles"));
    auto* layout = new QVBoxLayout(BibleFiles);
    TitleLabel = AddLabel(layout, "TitleLabel", QString());
    QFont bold = TitleLabel->font();
    bold.setBold(true);
    TitleLabel->setFont(bold);
    TitleLabel->hide();

    InstalledFiles = Named(new QGroupBox(QStringLiteral("Installed Bible Files:")), QStringLiteral("InstalledFiles"));
    auto* grid = new QGridLayout(InstalledFiles);
    for (int i = 0; i < int(FileLabels.size()); ++i) {
        auto* radio = Named(new QRadioButton, QStringLiteral("FileRadioButton%1").arg(i));
        radio->setProperty("tag", i + 1);
        radio->setEnabled(false);
        radio->hide();
        auto* label = Named(new TVersionNameLabel(i == 0 ? BuiltInVersionName : QStringLiteral("Not Installed")),
                            QStringLiteral("FileLabel%1").arg(i));
        label->setEnabled(i == 0);
        grid->addWidget(radio, i, 0);
        grid->addWidget(label, i, 1);
        FileRadioButtons[size_t(i)] = radio;
        FileLabels[size_t(i)] = label;
    }
    grid->setColumnStretch(1, 1);
    layout->addWidget(InstalledFiles);

    InstallUninstall = Named(new QGroupBox(QStringLiteral("Install, Uninstall or Edit Bible Files:")),
                             QStringLiteral("InstallUninstall"));
    auto* commandsLayout = new QHBoxLayout(InstallUninstall);
    InstallButton = AddPageButton(commandsLayout, "InstallButton", QStringLiteral("Install"));
    UninstallButton = AddPageButton(commandsLayout, "UninstallButton", QStringLiteral("Uninstall"));
    EditButton = AddPageButton(commandsLayout, "EditButton", QStringLiteral("Edit Version Name"));
    UninstallEditOKButton = AddPageButton(commandsLayout, "UninstallEditOKButton", QStringLiteral("OK"));
    UninstallEditCancelButton =
        AddPageButton(commandsLayout, "UninstallEditCancelButton", QStringLiteral("Cancel"));
    UninstallEditOKButton->hide();
    UninstallEditCancelButton->hide();
    layout->addWidget(InstallUninstall);
    layout->addStretch(1);
    PageControl->addTab(BibleFiles, QStringLiteral("Bible Files"));
}

void TOptionsDialog::BuildChangeVersionsPage()
{
    ChangeVersionsPage = AddHiddenPage(PageControl, "ChangeVersionsPage");
    auto* layout = new QVBoxLayout(ChangeVersionsPage);
    auto* group = new QGroupBox(QStringLiteral("Change Installed Bible Versions:"));
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(new QLabel(QStringLiteral("Select the Versions You Want to Change...")));
    auto* grid = new QGridLayout;
    static const char* const names[] = {"ActiveOT3", "ActiveNT3", "ActiveApoc3",
                                        "ActiveOT4", "ActiveNT4", "ActiveApoc4"};
    int row = 0;
    for (size_t role = 0; role < 6; ++role) {
        if (role % 3 == 0)
            grid->addWidget(new QLabel(role == 0 ? QStringLiteral("Bible Versions to be used for Bible Readings:")
                                                 : QStringLiteral("Bible Versions to be used for Bible Search:")),
                            row++, 0, 1, 2);
        auto* radio = Named(new QRadioButton(RoleCaptions[role % 3]),
                            QStringLiteral("VersionRadioButton%1").arg(role + 1));
        VersionRadioButtons[role] = radio;
        ActiveVersionLabels[role] = VersionNameLabel(QLatin1String(names[role]));
        grid->addWidget(radio, row, 0);
        grid->addWidget(ActiveVersionLabels[role], row++, 1);
    }
    grid->setColumnStretch(1, 1);
    groupLayout->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("When Finished, Click OK")));
    buttons->addStretch(1);
    ChangeVersionsOKButton = AddPageButton(buttons, "ChangeVersionsOKButton", QStringLiteral("OK"));
    ChangeVersionsCancelButton =
        AddPageButton(buttons, "ChangeVersionsCancelButton", QStringLiteral("Cancel"));
    groupLayout->addLayout(buttons);
    layout->addWidget(group);
    layout->addStretch(1);
}

void TOptionsDialog::BuildInstallPage()
{
    InstallPage = AddHiddenPage(PageControl, "InstallPage");
    auto* layout = new QVBoxLayout(InstallPage);
    InstallUnboundBible = Named(new QGroupBox(QStringLiteral("Install Unbound Bible Version")),
                                QStringLiteral("InstallUnboundBible"));
    auto* groupLayout = new QVBoxLayout(InstallUnboundBible);
    SelectFileLabel = AddLabel(groupLayout, "SelectFileLabel", QStringLiteral("Select a Bible text file to install:"));
    auto* fileRow = new QHBoxLayout;
    FileEdit = Named(new QLineEdit(QStringLiteral("*.txt")), QStringLiteral("FileEdit"));
    FileEdit->setReadOnly(true);
    fileRow->addWidget(FileEdit);
    FileBrowseButton = AddPageButton(fileRow, "FileBrowseButton", QStringLiteral("Browse"));
    groupLayout->addLayout(fileRow);
    auto* scanRow = new QHBoxLayout;
    ScanFileLabel = AddLabel(scanRow, "ScanFileLabel", QStringLiteral("Scan for information:"));
    ScanButton = AddPageButton(scanRow, "ScanButton", QStringLiteral("Scan File"));
    scanRow->addStretch(1);
    ScanFileLabel->hide();
    ScanButton->hide();
    groupLayout->addLayout(scanRow);

    auto* info = new QGridLayout;
    for (int i = 0; i < int(InfoLabels.size()); ++i) {
        auto* label = Named(new QLabel, QStringLiteral("InfoLabel%1").arg(i + 1));
        label->hide();
        info->addWidget(label, i / 2, i % 2);
        InfoLabels[size_t(i)] = label;
    }
    InfoLabels[0]->setText(QStringLiteral("This File Conatins:"));
    InfoLabels[1]->setText(QStringLiteral("Available For Use In:"));
    QFont bold = InfoLabels[0]->font();
    bold.setBold(true);
    InfoLabels[0]->setFont(bold);
    InfoLabels[1]->setFont(bold);
    groupLayout->addLayout(info);

    NameLabel = AddLabel(groupLayout, "NameLabel", QStringLiteral("Enter a Version Name for this File:"));
    NameLabel->hide();
    NameEdit = Named(new QLineEdit, QStringLiteral("NameEdit"));
    NameEdit->setMaxLength(MaxVersionNameLength);
    NameEdit->setEnabled(false);
    NameEdit->hide();
    groupLayout->addWidget(NameEdit);
    FinishedLabel = AddLabel(groupLayout, "FinishedLabel", QString());
    FinishedNameLabel = Named(new TVersionNameLabel, QStringLiteral("FinishedNameLabel"));
    groupLayout->addWidget(FinishedNameLabel);
    FinishedLabel->hide();
    FinishedNameLabel->hide();
    HiddenLabel = Named(new QLabel(QStringLiteral("Hidden Label"), InstallUnboundBible), QStringLiteral("HiddenLabel"));
    HiddenLabel->setFixedWidth(221);
    HiddenLabel->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    InstallOKButton = AddPageButton(buttons, "InstallOKButton", QStringLiteral("OK"));
    InstallOKButton->setEnabled(false);
    InstallCancelButton = AddPageButton(buttons, "InstallCancelButton", QStringLiteral("Cancel"));
    groupLayout->addLayout(buttons);
    layout->addWidget(InstallUnboundBible);
    layout->addStretch(1);
}

void TOptionsDialog::ConnectVersionPages()
{
    connect(ChangeVersionsButton, &QPushButton::clicked, this, &TOptionsDialog::ChangeVersionsButtonClick);
    connect(ApplyButton, &QPushButton::clicked, this, &TOptionsDialog::ApplyButtonClick);
    for (size_t role = 0; role < VersionRadioButtons.size(); ++role)
        connect(VersionRadioButtons[role], &QRadioButton::clicked, this,
                [this, role] { VersionRadioButtonClick(role); });
    connect(ChangeVersionsOKButton, &QPushButton::clicked, this, &TOptionsDialog::ChangeVersionsOKButtonClick);
    connect(ChangeVersionsCancelButton, &QPushButton::clicked, this,
            &TOptionsDialog::ChangeVersionsCancelButtonClick);
    for (QRadioButton* radio : FileRadioButtons)
        connect(radio, &QRadioButton::clicked, this, &TOptionsDialog::FileRadioButtonClick);
    for (QLabel* label : FileLabels)
        label->installEventFilter(this);
    connect(UninstallEditOKButton, &QPushButton::clicked, this, &TOptionsDialog::UninstallEditOKButtonClick);
    connect(UninstallEditCancelButton, &QPushButton::clicked, this, &TOptionsDialog::UninstallEditCancelButtonClick);
    connect(InstallButton, &QPushButton::clicked, this, &TOptionsDialog::InstallButtonClick);
    connect(UninstallButton, &QPushButton::clicked, this, &TOptionsDialog::UninstallButtonClick);
    connect(EditButton, &QPushButton::clicked, this, &TOptionsDialog::EditButtonClick);
    connect(FileBrowseButton, &QPushButton::clicked, this, &TOptionsDialog::FileBrowseButtonClick);
    connect(ScanButton, &QPushButton::clicked, this, &TOptionsDialog::ScanButtonClick);
    connect(NameEdit, &QLineEdit::textChanged, this, &TOptionsDialog::NameEditChange);
    connect(InstallOKButton, &QPushButton::clicked, this, &TOptionsDialog::InstallOKButtonClick);
    connect(InstallCancelButton, &QPushButton::clicked, this, &TOptionsDialog::InstallCancelButtonClick);
}
