// The Preferences dialog's uninstall and rename of installed versions: the selection modes
// of the Bible Files page, the two questions, the backup copy and the new name.
#include "options_dialog.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <filesystem>
#include <functional>
#include <system_error>

#include "bible_search_dlg.h"
#include "bible_text.h"
#include "file_copy.h"
#include "file_progress.h"
#include "selvarion_main_form.h"
#include "settings_store.h"
#include "ui_guards.h"
#include "version_roles.h"

namespace {

// The answers the backup question remembers.
constexpr int AnswerYes = 6;
constexpr int AnswerNo = 7;

// Copies the installed file `fileName` into the backup folder of `dataDir`; not copied, with
// the message to show, when the folder or the copy cannot be made.
TCopyResult BackUp(QWidget* owner, const QString& dataDir, const QString& fileName, QString& message)
{
    const QString folder = dataDir + QStringLiteral("Backup/");
    const QString notBackedUp =
        MessageQuote + fileName + MessageQuote + QStringLiteral(" was not backed up.");
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
    if (error || !QFileInfo(folder).isDir()) {
        message = QStringLiteral("Unable to create the backup directory.") + MessageLineBreak +
                  QString::fromLocal8Bit(error.message()) + QStringLiteral(".") + MessageLineBreak +
                  notBackedUp;
        return TCopyResult::Failed;
    }
    const QString source = dataDir + fileName;
    QString copyError;
    TFileProgress progress(owner, QStringLiteral("Backing up"), fileName);
    const TCopyResult copied = CopyFileReplacing(source, folder + fileName, QFileInfo(source).permissions(),
                                                 copyError, std::ref(progress));
    if (copied == TCopyResult::Failed)
        message = QStringLiteral("Unable to copy ") + MessageQuote + fileName + MessageQuote +
                  QStringLiteral(" to the backup directory.") + MessageLineBreak + copyError +
                  QStringLiteral(".") + MessageLineBreak + notBackedUp;
    else
        message = QStringLiteral("The file ") + MessageQuote + fileName + MessageQuote +
                  QStringLiteral(" was backed") + QStringLiteral(" up to") + MessageLineBreak + dataDir +
                  QStringLiteral("Backup.");
    return copied;
}

} // namespace

void TOptionsDialog::UninstallButtonClick()
{
    TUpdateLock lock(this);
    SetSelectionLayout(QStringLiteral("Uninstall"), QStringLiteral("Select a File to Uninstall:"),
                       QStringLiteral("Uninstall Checked File:"));
    ShowTabs(false);
    PageControl->setCurrentWidget(BibleFiles);
}

void TOptionsDialog::EditButtonClick()
{
    TUpdateLock lock(this);
    FRenameMode = true;
    SetSelectionLayout(QStringLiteral("Edit Version Name"), QStringLiteral("Select a File to Edit:"),
                       QStringLiteral("Edit Version Name of Checked File:"));
    ShowTabs(false);
    PageControl->setCurrentWidget(BibleFiles);
}

void TOptionsDialog::UninstallEditOKButtonClick()
{
    if (FChangeVersionMode)
        return TakePickedVersion(true);
    if (SelectedSlot() < 1)
        return;
    if (FRenameMode)
        return StartRename();
    UninstallSelectedVersion();
}

void TOptionsDialog::UninstallEditCancelButtonClick()
{
    if (FChangeVersionMode)
        return TakePickedVersion(false);
    TUpdateLock lock(this);
    RestoreNormalLayout();
    FRenameMode = false;
    ShowTabs(true);
    PageControl->setCurrentWidget(BibleFiles);
}

void TOptionsDialog::UninstallSelectedVersion()
{
    // A ticked "Don't ask me this again" also unticks "Show All Message Dialogs", for good:
    // the dialog's Cancel does not tick it again.
    auto dontAskAgain = [this](bool& flag) {
        flag = true;
        ShowDialogs->setChecked(false);
        FSavedPreferences.showDialogs = false;
    };
    if (!FDontAskProceed) {
        bool dontAsk = false;
        const auto answer = AskWithDontAskAgain(QStringLiteral("You are about to uninstall this file. Are you sure?"),
                                                QMessageBox::Information, QMessageBox::Yes | QMessageBox::Cancel,
                                                dontAsk);
        if (dontAsk)
            dontAskAgain(FDontAskProceed);
        if (answer != QMessageBox::Yes)
            return UninstallEditCancelButtonClick();
    }
    const int index = SelectedSlot() - 1;
    const QString version = FInstalledVersions[index];
    const QString fileName = ReadInstalledFileName(version);
    // A record whose file name leads out of the data folder is damaged: no file is touched for it.
    const bool hasFile = bibletext::IsPlainFileName(QFile::encodeName(fileName).toStdString());
    const bool damaged = !fileName.isEmpty() && !hasFile;

    // The readings page is built again from the built-in files: its edits are asked about first.
    bool readingsInForce = false;
    for (size_t role = 0; role < VersionRoles.size(); ++role)
        if (!VersionRoles[role].search && FSavedVersionNames[role] == version)
            readingsInForce = true;
    if (readingsInForce && FMainForm.ReadingsPageBuilt() && !FMainForm.CheckSaveChanges(UninstallEditOKButton))
        return UninstallEditCancelButtonClick();

    if (hasFile && !FDontAskSave) {
        bool dontAsk = false;
        const auto answer =
            AskWithDontAskAgain(QStringLiteral("The file ") + MessageQuote + fileName + MessageQuote +
                                    QStringLiteral(" will be") + QStringLiteral(" removed.") +
                                    MessageLineBreak + QStringLiteral("Do you want to keep a backup copy?"),
                                QMessageBox::Information, QMessageBox::Yes | QMessageBox::No, dontAsk);
        FSaveBackups = answer == QMessageBox::Yes ? AnswerYes : AnswerNo;
        if (dontAsk)
            dontAskAgain(FDontAskSave);
    }
    if (hasFile && FSaveBackups == AnswerYes) {
        QString message;
        const TCopyResult backedUp = BackUp(this, FMainForm.FAppDataDir, fileName, message);
        if (backedUp == TCopyResult::Failed)
            ShowDialogMessage(message + MessageLineBreak + MessageQuote + version + MessageQuote +
                                  QStringLiteral(" stays installed."),
                              QMessageBox::Critical, QMessageBox::Ok);
        if (backedUp != TCopyResult::Copied)
            return UninstallEditCancelButtonClick();
        ShowDialogMessage(message, QMessageBox::Information, QMessageBox::Ok);
    }

    // The roles that read the version go back to the built-in version, in force and pending.
    const auto labels = VersionLabels();
    bool inForce = false;
    for (size_t role = 0; role < labels.size(); ++role) {
        if (FSavedVersionNames[role] == version) {
            SetRoleVersion(*FMainForm.BibleSearchDlg, role, BuiltInVersionName);
            FSavedVersionNames[role] = BuiltInVersionName;
            inForce = true;
        }
        if (labels[role]->text() == version)
            labels[role]->setText(BuiltInVersionName);
    }
    if (inForce) {
        FMainForm.BibleSearchDlg->RoleVersionsChanged();
        SaveVersionRoles(FSavedVersionNames);
    }
    EraseInstalledFileInfo(version);
    FInstalledVersions = RewriteInstalledFileList();
    if (hasFile) {
        const QString path = FMainForm.FAppDataDir + fileName;
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner);
        QFile::remove(path);
        FMainForm.BibleSearchDlg->ForgetFile(fileName.toStdString());
    }
    if (damaged)
        ShowDialogMessage(QStringLiteral("The record of ") + MessageQuote + version + MessageQuote +
                              QStringLiteral(" was damaged: its file name ") + MessageQuote + fileName +
                              MessageQuote + QStringLiteral(" is not the name of a file in the data folder.") +
                              MessageLineBreak +
                              QStringLiteral("The version was uninstalled, and no file was backed up or removed."),
                          QMessageBox::Warning, QMessageBox::Ok);
    if (readingsInForce)
        RebuildReadingsPage(true);
    ShowInstalledVersions();
    UninstallEditCancelButtonClick();
}

void TOptionsDialog::StartRename()
{
    TUpdateLock lock(this);
    InstallUnboundBible->setTitle(QStringLiteral("Change Version Name"));
    ShowFileChoice(false);
    NameLabel->setText(QStringLiteral("Edit the Version Name for this File:"));
    ShowNameEntry();
    const int slot = SelectedSlot();
    FRenameIndex = slot - 1;
    NameEdit->setText(FileLabels[size_t(slot)]->text());
    NameEditChange();
    PageControl->setCurrentWidget(InstallPage);
    RestoreNormalLayout();
}

void TOptionsDialog::RenameVersion()
{
    const QString oldName = FInstalledVersions[FRenameIndex];
    const QString newName = TypedName();
    RenameInstalledFile(oldName, newName);
    FInstalledVersions = RewriteInstalledFileList(oldName, newName);
    // The roles that name the version, in force or pending, follow the new name.
    const auto labels = VersionLabels();
    bool inForce = false;
    for (size_t role = 0; role < labels.size(); ++role) {
        if (labels[role]->text() == oldName)
            labels[role]->setText(newName);
        if (FSavedVersionNames[role] == oldName) {
            FSavedVersionNames[role] = newName;
            inForce = true;
        }
    }
    if (inForce)
        SaveVersionRoles(FSavedVersionNames);
    ShowInstalledVersions();
    LeaveInstallPage();
}

void TOptionsDialog::LeaveVersionPages()
{
    QWidget* page = PageControl->currentWidget();
    if (page == InstallPage)
        InstallCancelButtonClick();
    else if (page == BibleFiles && !UninstallEditCancelButton->isHidden())
        UninstallEditCancelButtonClick();
    if (PageControl->currentWidget() == ChangeVersionsPage)
        ChangeVersionsCancelButtonClick();
}
