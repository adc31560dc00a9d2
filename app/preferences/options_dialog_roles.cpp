// The Preferences dialog's version roles: the change page, the pick of a version on the
// Bible Files page, the layouts of that page's selection modes, and Apply.
#include "options_dialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "bible_search_dlg.h"
#include "date_box.h"
#include "selvarion_main_form.h"
#include "settings_store.h"
#include "ui_guards.h"
#include "version_roles.h"

namespace {

// Unticks a radio button of an exclusive group.
void Clear(QRadioButton* radio)
{
    radio->setAutoExclusive(false);
    radio->setChecked(false);
    radio->setAutoExclusive(true);
}

} // namespace

void TOptionsDialog::ShowTabs(bool shown)
{
    OKButton->setEnabled(shown);
    CancelButton->setEnabled(shown);
    QWidget* current = PageControl->currentWidget();
    for (QWidget* page : {UserPrefs, BibleVersions, BibleFiles})
        PageControl->setTabVisible(PageControl->indexOf(page), shown);
    // Hiding the tab of the page in front hides that page as well, and hiding or showing tabs
    // may bring another page forward: the page in front stays there, the only one shown.
    PageControl->setCurrentWidget(current);
    for (int i = 0; i < PageControl->count(); ++i)
        PageControl->widget(i)->setVisible(PageControl->widget(i) == current);
    if (shown)
        FitWidthToPages();
}

void TOptionsDialog::FitWidthToPages()
{
    // The pages behind the one in front tell their layouts of new sizes only later: every
    // size is taken afresh.
    for (QWidget* control : findChildren<QWidget*>())
        control->updateGeometry();
    layout()->activate();
    resize(std::max(DesignSize.width(), minimumSizeHint().width()), height());
}

void TOptionsDialog::ShowInstalledVersions()
{
    const int count = int(std::min<qsizetype>(FInstalledVersions.size(), MaxInstalledVersions));
    for (int slot = 1; slot < int(FileLabels.size()); ++slot) {
        const bool installed = slot <= count;
        FileLabels[size_t(slot)]->setText(installed ? FInstalledVersions[slot - 1] : QStringLiteral("Not Installed"));
        FileLabels[size_t(slot)]->setEnabled(installed);
        FileRadioButtons[size_t(slot)]->setEnabled(installed);
    }
    UninstallButton->setEnabled(count > 0);
    EditButton->setEnabled(count > 0);
    InstallButton->setEnabled(count < MaxInstalledVersions);
}

void TOptionsDialog::SetSelectionLayout(const QString& title, const QString& filesCaption,
                                        const QString& commandsCaption)
{
    TitleLabel->setText(title);
    TitleLabel->show();
    InstalledFiles->setTitle(filesCaption);
    InstallUninstall->setTitle(commandsCaption);
    for (QPushButton* button : {InstallButton, UninstallButton, EditButton})
        button->hide();
    UninstallEditOKButton->show();
    UninstallEditOKButton->setEnabled(false);
    UninstallEditCancelButton->show();
    UninstallEditCancelButton->setEnabled(true);
    for (size_t slot = 1; slot < FileRadioButtons.size(); ++slot) {
        Clear(FileRadioButtons[slot]);
        FileRadioButtons[slot]->show();
    }
}

void TOptionsDialog::RestoreNormalLayout()
{
    TitleLabel->hide();
    InstalledFiles->setTitle(QStringLiteral("Installed Bible Files:"));
    InstallUninstall->setTitle(QStringLiteral("Install, Uninstall or Edit Unbound Bible Files:"));
    UninstallEditOKButton->hide();
    UninstallEditCancelButton->hide();
    for (QPushButton* button : {InstallButton, UninstallButton, EditButton})
        button->show();
    for (size_t slot = 1; slot < FileRadioButtons.size(); ++slot)
        FileRadioButtons[slot]->hide();
}

int TOptionsDialog::SelectedSlot() const
{
    for (size_t slot = 0; slot < FileRadioButtons.size(); ++slot)
        if (FileRadioButtons[slot]->isEnabled() && FileRadioButtons[slot]->isChecked())
            return int(slot);
    return -1;
}

void TOptionsDialog::ChangeVersionsButtonClick()
{
    TUpdateLock lock(this);
    ShowTabs(false);
    const auto labels = VersionLabels();
    for (size_t role = 0; role < labels.size(); ++role)
        ActiveVersionLabels[role]->setText(labels[role]->text());
    for (QRadioButton* radio : VersionRadioButtons)
        Clear(radio);
    ChangeVersionsOKButton->setEnabled(false);
    PageControl->setCurrentWidget(ChangeVersionsPage);
}

void TOptionsDialog::VersionRadioButtonClick(size_t role)
{
    TUpdateLock lock(this);
    FChangeVersionMode = true;
    FVersionRole = role;
    // A version the role cannot take is greyed out, its name with its button.
    const TRegIniFile records(InstalledFilesKey);
    for (int i = 0; i < FInstalledVersions.size() && i < MaxInstalledVersions; ++i) {
        const bool fit = ReadInstalledFileFlag(FInstalledVersions[i], QLatin1String(VersionRoles[role].flag), records);
        FileRadioButtons[size_t(i) + 1]->setEnabled(fit);
        FileLabels[size_t(i) + 1]->setEnabled(fit);
    }
    SetSelectionLayout(QStringLiteral("Change Versions"), QStringLiteral("Select a File to Activate:"),
                       QStringLiteral("Activate Checked File:"));
    FileRadioButtons[0]->setEnabled(true);
    Clear(FileRadioButtons[0]);
    FileRadioButtons[0]->show();
    PageControl->setCurrentWidget(BibleFiles);
}

bool TOptionsDialog::eventFilter(QObject* watched, QEvent* e)
{
    // A click on a version's name picks it as a click on its button does.
    if (e->type() == QEvent::MouseButtonRelease)
        for (size_t slot = 0; slot < FileLabels.size(); ++slot)
            if (watched == FileLabels[slot] && FileRadioButtons[slot]->isVisible() &&
                FileRadioButtons[slot]->isEnabled())
                FileRadioButtons[slot]->click();
    return QDialog::eventFilter(watched, e);
}

void TOptionsDialog::FileRadioButtonClick()
{
    UninstallEditOKButton->setEnabled(true);
    UninstallEditOKButton->setFocus();
}

// The pick of the role's version ends: the change page shows it, pending.
void TOptionsDialog::TakePickedVersion(bool taken)
{
    TUpdateLock lock(this);
    FChangeVersionMode = false;
    QLabel* label = ActiveVersionLabels[FVersionRole];
    const int slot = SelectedSlot();
    if (taken) {
        SetVersionColor(label, PendingColor);
        if (slot >= 0)
            label->setText(FileLabels[size_t(slot)]->text());
        ChangeVersionsOKButton->setEnabled(true);
    }
    Clear(VersionRadioButtons[FVersionRole]);
    FileRadioButtons[0]->hide();
    FileRadioButtons[0]->setEnabled(false);
    RestoreNormalLayout();
    ShowInstalledVersions();
    PageControl->setCurrentWidget(ChangeVersionsPage);
}

void TOptionsDialog::ChangeVersionsOKButtonClick()
{
    TUpdateLock lock(this);
    ShowTabs(true);
    PageControl->setCurrentWidget(BibleVersions);
    ApplyButton->setEnabled(true);
    const auto labels = VersionLabels();
    for (size_t role = 0; role < labels.size(); ++role) {
        if (VersionColor(ActiveVersionLabels[role]) != PendingColor)
            continue;
        SetVersionColor(ActiveVersionLabels[role], InForceColor);
        labels[role]->setText(ActiveVersionLabels[role]->text());
        SetVersionColor(labels[role], PendingColor);
    }
    ShowInstalledVersions();
}

void TOptionsDialog::ChangeVersionsCancelButtonClick()
{
    TUpdateLock lock(this);
    ShowInstalledVersions();
    for (QLabel* label : ActiveVersionLabels)
        SetVersionColor(label, InForceColor);
    ShowTabs(true);
    PageControl->setCurrentWidget(BibleVersions);
}

bool TOptionsDialog::ApplyButtonClick()
{
    const auto labels = VersionLabels();
    bool readingsChanged = false;
    for (size_t role = 0; role < labels.size(); ++role)
        if (!VersionRoles[role].search && labels[role]->text() != FSavedVersionNames[role])
            readingsChanged = true;
    // A changed Show Icons box makes OK reload the page after Apply.
    const bool rebuild = readingsChanged && ShowIcons->isChecked() == FSavedPreferences.showIcons;
    if (rebuild && FMainForm.ReadingsPageBuilt() && !FMainForm.CheckSaveChanges(ApplyButton))
        return false;

    ApplyButton->setEnabled(false);
    for (QLabel* label : labels)
        SetVersionColor(label, InForceColor);
    for (QLabel* label : ActiveVersionLabels)
        SetVersionColor(label, InForceColor);
    bool changed = false;
    for (size_t role = 0; role < labels.size(); ++role) {
        if (labels[role]->text() == FSavedVersionNames[role])
            continue;
        SetRoleVersion(*FMainForm.BibleSearchDlg, role, labels[role]->text());
        FSavedVersionNames[role] = labels[role]->text();
        changed = true;
    }
    if (changed) {
        FMainForm.BibleSearchDlg->RoleVersionsChanged();
        SaveVersionRoles(FSavedVersionNames);
    }
    if (readingsChanged)
        RebuildReadingsPage(rebuild);
    return true;
}

void TOptionsDialog::RebuildReadingsPage(bool rebuild)
{
    TUpdateLock lock(&FMainForm);
    if (rebuild && FMainForm.ReadingsPageBuilt())
        FMainForm.DateBox->ShowDayPage(false);
    FMainForm.MainRichEditSelectionChange();
}
