// The Bible-version pages of the Preferences dialog: their controls and layout. The
// commands behind their buttons are not available yet, so the buttons stay disabled.
#include "options_dialog.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "settings_store.h"

namespace {

template <typename T>
T* Named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel* VersionNameLabel(const QString& name)
{
    return Named(new QLabel(BuiltInVersionName), name);
}

QWidget* AddHiddenPage(QTabWidget* pages, const char* name)
{
    auto* page = Named(new QWidget, QLatin1String(name));
    const int index = pages->addTab(page, QString());
    pages->setTabVisible(index, false);
    return page;
}

} // namespace

QPushButton* TOptionsDialog::AddPageButton(QLayout* layout, const char* name, const QString& caption)
{
    auto* button = Named(new QPushButton(caption), QLatin1String(name));
    button->setEnabled(false);
    layout->addWidget(button);
    return button;
}

void TOptionsDialog::BuildBibleFilesPage()
{
    BibleFiles = Named(new QWidget, QStringLiteral("BibleFiles"));
    auto* layout = new QVBoxLayout(BibleFiles);
    auto* commands = new QGroupBox(QStringLiteral("Install, Uninstall or Edit Bible Files:"));
    auto* commandsLayout = new QHBoxLayout(commands);
    InstallButton = AddPageButton(commandsLayout, "InstallButton", QStringLiteral("Install"));
    UninstallButton = AddPageButton(commandsLayout, "UninstallButton", QStringLiteral("Uninstall"));
    EditButton = AddPageButton(commandsLayout, "EditButton", QStringLiteral("Edit Version Name"));
    UninstallEditOKButton = AddPageButton(commandsLayout, "UninstallEditOKButton", QStringLiteral("OK"));
    UninstallEditCancelButton =
        AddPageButton(commandsLayout, "UninstallEditCancelButton", QStringLiteral("Cancel"));
    UninstallEditOKButton->hide();
    UninstallEditCancelButton->hide();
    layout->addWidget(commands);

    auto* installed = new QGroupBox(QStringLiteral("Installed Bible Files:"));
    auto* grid = new QGridLayout(installed);
    for (int i = 0; i < int(FileLabels.size()); ++i) {
        auto* radio = Named(new QRadioButton, QStringLiteral("FileRadioButton%1").arg(i));
        radio->setProperty("tag", i + 1);
        radio->setEnabled(false);
        radio->hide();
        auto* label = Named(new QLabel(i == 0 ? BuiltInVersionName : QStringLiteral("Not Installed")),
                            QStringLiteral("FileLabel%1").arg(i));
        label->setEnabled(i == 0);
        grid->addWidget(radio, i, 0);
        grid->addWidget(label, i, 1);
        FileRadioButtons[size_t(i)] = radio;
        FileLabels[size_t(i)] = label;
    }
    grid->setColumnStretch(1, 1);
    layout->addWidget(installed);
    layout->addStretch(1);
    PageControl->addTab(BibleFiles, QStringLiteral("Bible Files"));
}

void TOptionsDialog::BuildChangeVersionsPage()
{
    ChangeVersionsPage = AddHiddenPage(PageControl, "ChangeVersionsPage");
    auto* layout = new QVBoxLayout(ChangeVersionsPage);
    auto* group = new QGroupBox(QStringLiteral("Change Installed Bible Versions:"));
    auto* grid = new QGridLayout(group);
    static const char* const names[] = {"ActiveOT3", "ActiveNT3", "ActiveApoc3",
                                        "ActiveOT4", "ActiveNT4", "ActiveApoc4"};
    for (int i = 0; i < 6; ++i) {
        auto* radio = Named(new QRadioButton, QStringLiteral("VersionRadioButton%1").arg(i + 1));
        radio->setEnabled(false);
        VersionRadioButtons[size_t(i)] = radio;
        ActiveVersionLabels[size_t(i)] = VersionNameLabel(QLatin1String(names[i]));
        grid->addWidget(radio, i, 0);
        grid->addWidget(ActiveVersionLabels[size_t(i)], i, 1);
    }
    grid->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    ChangeVersionsOKButton = AddPageButton(buttons, "ChangeVersionsOKButton", QStringLiteral("OK"));
    ChangeVersionsCancelButton =
        AddPageButton(buttons, "ChangeVersionsCancelButton", QStringLiteral("Cancel"));
    grid->addLayout(buttons, 6, 0, 1, 2);
    layout->addWidget(group);
    layout->addStretch(1);
}

void TOptionsDialog::BuildInstallPage()
{
    InstallPage = AddHiddenPage(PageControl, "InstallPage");
    auto* layout = new QVBoxLayout(InstallPage);
    auto* group = new QGroupBox(QStringLiteral("Install Unbound Bible Version"));
    auto* groupLayout = new QVBoxLayout(group);
    auto* fileRow = new QHBoxLayout;
    FileEdit = Named(new QLineEdit(QStringLiteral("*.txt")), QStringLiteral("FileEdit"));
    FileEdit->setEnabled(false);
    fileRow->addWidget(FileEdit);
    FileBrowseButton = AddPageButton(fileRow, "FileBrowseButton", QStringLiteral("Browse"));
    groupLayout->addLayout(fileRow);
    ScanButton = AddPageButton(groupLayout, "ScanButton", QStringLiteral("Scan File"));
    NameEdit = Named(new QLineEdit, QStringLiteral("NameEdit"));
    NameEdit->setMaxLength(45);
    NameEdit->setEnabled(false);
    groupLayout->addWidget(NameEdit);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    InstallOKButton = AddPageButton(buttons, "InstallOKButton", QStringLiteral("OK"));
    InstallCancelButton = AddPageButton(buttons, "InstallCancelButton", QStringLiteral("Cancel"));
    groupLayout->addLayout(buttons);
    layout->addWidget(group);
    layout->addStretch(1);
}
