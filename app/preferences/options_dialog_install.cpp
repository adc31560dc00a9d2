// The Preferences dialog's install page: choosing a Bible text file, scanning it, naming
// the version and copying it into the data folder. The page also takes a new name for an
// installed version.
#include "options_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <functional>

#include "app_folders.h"
#include "dialog_hook.h"
#include "bible_search_dlg.h"
#include "file_copy.h"
#include "file_progress.h"
#include "help_keys.h"
#include "selvarion_main_form.h"
#include "short_path.h"
#include "ui_guards.h"
#include "version_scan.h"
#include "window_order.h"

namespace {

const QString PartNames[3] = {QStringLiteral("Old Testament"), QStringLiteral("New Testament"),
                              QStringLiteral("Apocrypha")};
// A name the store keeps for itself beside the records.
bool Reserved(const QString& name)
{
    return name.compare(BuiltInVersionName, Qt::CaseInsensitive) == 0 ||
           name.compare(InstalledFileListSection, Qt::CaseInsensitive) == 0;
}

} // namespace

void TOptionsDialog::InstallButtonClick()
{
    TUpdateLock lock(this);
    ShowTabs(false);
    PageControl->setCurrentWidget(InstallPage);
    FileBrowseButton->setFocus();
}

void TOptionsDialog::FileBrowseButtonClick()
{
    QFileDialog browse(this, QStringLiteral("Select a Bible Text File to Install"), NearestExistingFolder(FBrowseDirectory),
                       QStringLiteral("Text Files (*.txt)"));
    browse.setObjectName(QStringLiteral("BrowseDialog"));
    KeepAboveStayOnTopWindows(browse);
    browse.setFileMode(QFileDialog::ExistingFile);
    browse.setAcceptMode(QFileDialog::AcceptOpen);
    AddHelpButton(browse, 950);
    const QString chosen = TDialogHook<QFileDialog>::Run(browse) ? browse.selectedFiles().value(0) : QString();
    if (chosen.isEmpty()) {
        const QString kept = HiddenLabel->text();
        FileEdit->setText(kept == QLatin1String("Hidden Label") ? QStringLiteral("*.txt") : kept);
        return;
    }
    const QFileInfo file(chosen);
    FBrowseDirectory = file.absolutePath();
    FInstallFileName = file.absoluteFilePath();
    HiddenLabel->setText(ShortenPathToWidth(FInstallFileName, HiddenLabel->fontMetrics(), HiddenLabel->width()));
    FileEdit->setText(HiddenLabel->text());
    ScanFileLabel->show();
    ScanButton->show();
    ScanButton->setFocus();
}

void TOptionsDialog::ScanButtonClick()
{
    TWaitCursor wait;
    const QString fileName = QFileInfo(FInstallFileName).fileName();
    auto refuse = [this](const QString& message, QMessageBox::Icon icon) {
        ScanFileLabel->hide();
        ScanButton->hide();
        ShowDialogMessage(message, icon, QMessageBox::Ok);
    };
    const TRegIniFile records(InstalledFilesKey);
    for (const QString& version : std::as_const(FInstalledVersions))
        if (ReadInstalledFileName(version, records) == fileName)
            return refuse(QStringLiteral("The selected file is already installed as ") + MessageQuote +
                              version + MessageQuote + QStringLiteral(".") + MessageLineBreak +
                              QStringLiteral("Select another file to scan."),
                          QMessageBox::Information);
    if (fileName.contains(QLatin1String("utf8"), Qt::CaseInsensitive))
        return refuse(QStringLiteral("The selected file, ") + MessageQuote + fileName + MessageQuote +
                          QStringLiteral(", contains unicode text.") + MessageLineBreak +
                          QStringLiteral("Selvarion does not handle unicode.") + MessageLineBreak +
                          QStringLiteral("Select another file to scan."),
                      QMessageBox::Information);
    if (FInstalledVersions.size() >= MaxInstalledVersions) {
        ShowDialogMessage(
            QStringLiteral("The list of installed files is full.") + MessageLineBreak +
                QStringLiteral("To install a new file, first uninstall an existing file to make room."),
            QMessageBox::Information, QMessageBox::Ok);
        return InstallCancelButtonClick();
    }

    const QString idle = ScanFileLabel->text();
    QFont font = ScanFileLabel->font();
    font.setBold(true);
    ScanFileLabel->setFont(font);
    ScanFileLabel->setText(QStringLiteral("Scanning...          "));
    ScanFileLabel->repaint();
    for (QWidget* control : {static_cast<QWidget*>(InstallCancelButton), static_cast<QWidget*>(SelectFileLabel),
                             static_cast<QWidget*>(FileBrowseButton), static_cast<QWidget*>(ScanButton)})
        control->setEnabled(false);
    TScanResult scan;
    TFileProgress progress(this, QStringLiteral("Scanning"), fileName);
    const TScanFailure failure = ScanBibleFile(FInstallFileName, scan, std::ref(progress));
    font.setBold(false);
    ScanFileLabel->setFont(font);
    ScanFileLabel->setText(idle);
    InstallCancelButton->setEnabled(true);
    // Books whose lines cannot be read are left out, and named.
    const QString damaged = QStringLiteral("Some lines of the selected file are not a book code, a chapter, a verse "
                                           "and a text, one column each. These books are left out: ") +
                            scan.damagedBooks.join(QStringLiteral(", ")) + QStringLiteral(".");
    if (failure != TScanFailure::None || !scan.FoundAny()) {
        for (QWidget* control : {static_cast<QWidget*>(SelectFileLabel), static_cast<QWidget*>(FileBrowseButton),
                                 static_cast<QWidget*>(ScanButton)})
            control->setEnabled(true);
        if (failure == TScanFailure::Cancelled)
            return;
        if (failure == TScanFailure::CannotOpen)
            return refuse(QStringLiteral("Unable to open the selected file.") + MessageLineBreak +
                              QStringLiteral("Select another file and try again."),
                          QMessageBox::Critical);
        if (failure == TScanFailure::Empty)
            return refuse(QStringLiteral("The selected file is empty.") + MessageLineBreak +
                              QStringLiteral("Select another file and try again."),
                          QMessageBox::Critical);
        return refuse((scan.damagedBooks.isEmpty() ? QStringLiteral("The selected file is not an Unbound Bible text.")
                                                   : damaged) +
                          MessageLineBreak + QStringLiteral("Select another file to scan."),
                      QMessageBox::Information);
    }
    if (!scan.damagedBooks.isEmpty())
        ShowDialogMessage(damaged, QMessageBox::Information, QMessageBox::Ok);
    FScan = scan;
    ShowScanResult(scan);
    const QString suggested = SuggestedVersionName(fileName);
    if (!suggested.isEmpty())
        NameEdit->setText(suggested);
    NameEdit->setFocus();
    NameEdit->end(false);
    NameEditChange();
    ScanFileLabel->setEnabled(false);
}

void TOptionsDialog::ShowScanResult(const TScanResult& scan)
{
    InfoLabels[0]->show();
    InfoLabels[1]->show();
    size_t row = 1;
    for (size_t part = 0; part < 3; ++part) {
        if (!scan.hasPart[part])
            continue;
        InfoLabels[row * 2]->setText((scan.complete[part] ? QStringLiteral("Complete ") : QStringLiteral("Partial ")) +
                                     PartNames[part]);
        InfoLabels[row * 2 + 1]->setText(scan.readingsReady[part] ? QStringLiteral("Bible Readings and Search")
                                                                  : QStringLiteral("Bible Search Only"));
        InfoLabels[row * 2]->show();
        InfoLabels[row * 2 + 1]->show();
        ++row;
    }
    ShowNameEntry();
}

void TOptionsDialog::ShowFileChoice(bool shown)
{
    for (QWidget* control : std::initializer_list<QWidget*>{SelectFileLabel, FileBrowseButton, FileEdit})
        control->setVisible(shown);
}

void TOptionsDialog::ShowNameEntry()
{
    NameLabel->show();
    NameEdit->show();
    NameEdit->setEnabled(true);
    FinishedLabel->clear();
    FinishedNameLabel->clear();
    FinishedLabel->show();
    FinishedNameLabel->show();
}

QString TOptionsDialog::TypedName() const
{
    return NameEdit->text().trimmed();
}

QString TOptionsDialog::NameProblem() const
{
    const QString name = TypedName();
    if (name.isEmpty())
        return QStringLiteral("Enter a Name.");
    bool taken = Reserved(name);
    for (int i = 0; i < FInstalledVersions.size(); ++i)
        if (!(FRenameMode && i == FRenameIndex) && FInstalledVersions[i].compare(name, Qt::CaseInsensitive) == 0)
            taken = true;
    return taken ? QStringLiteral("This name is already in use. Enter another name.") : QString();
}

void TOptionsDialog::NameEditChange()
{
    const QString problem = NameProblem();
    if (problem.isEmpty()) {
        FinishedLabel->setText(FRenameMode ? QStringLiteral("Click OK to Rename this file to")
                                           : QStringLiteral("If name is satisfactory, click OK to install as"));
        FinishedNameLabel->setText(TypedName());
    } else {
        FinishedLabel->setText(problem);
        FinishedNameLabel->clear();
    }
    InstallOKButton->setEnabled(problem.isEmpty());
}

void TOptionsDialog::InstallOKButtonClick()
{
    if (!NameProblem().isEmpty())
        return;
    if (FRenameMode)
        RenameVersion();
    else
        InstallChosenFile();
}

void TOptionsDialog::InstallChosenFile()
{
    if (!FScan)
        return;
    const QFileInfo chosen(FInstallFileName);
    const QString fileName = chosen.fileName();
    // A file chosen inside the data folder itself is registered where it is.
    if (QFileInfo(chosen.absolutePath()).canonicalFilePath() != QFileInfo(FMainForm.FAppDataDir).canonicalFilePath()) {
        QString error;
        const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadGroup |
                              QFileDevice::ReadOther;
        TFileProgress progress(this, QStringLiteral("Copying"), fileName);
        const TCopyResult copied =
            CopyFileReplacing(FInstallFileName, FMainForm.FAppDataDir + fileName, readOnly, error, std::ref(progress));
        // Cancelled: the page stays as it was, for another try.
        if (copied == TCopyResult::Cancelled)
            return;
        if (copied == TCopyResult::Failed) {
            ShowDialogMessage(QStringLiteral("Unable to copy ") + MessageQuote + fileName + MessageQuote +
                                  QStringLiteral(" to the program directory.") + MessageLineBreak + error +
                                  QStringLiteral(".") + MessageLineBreak + MessageQuote + fileName +
                                  MessageQuote + QStringLiteral(" will not be installed."),
                              QMessageBox::Critical, QMessageBox::Ok);
            return InstallCancelButtonClick();
        }
    }
    FMainForm.BibleSearchDlg->ForgetFile(fileName.toStdString());
    SaveInstalledFileInfo(TypedName(), fileName, *FScan, InstalledFilesKey);
    FInstalledVersions = RewriteInstalledFileList();
    ShowInstalledVersions();
    LeaveInstallPage();
}

void TOptionsDialog::InstallCancelButtonClick()
{
    LeaveInstallPage();
}

void TOptionsDialog::LeaveInstallPage()
{
    TUpdateLock lock(this);
    if (FRenameMode) {
        FRenameMode = false;
        InstallUnboundBible->setTitle(QStringLiteral("Install Unbound Bible Version"));
        NameLabel->setText(QStringLiteral("Enter a Version Name for this File:"));
        ShowFileChoice(true);
    }
    FileEdit->setText(QStringLiteral("*.txt"));
    for (QWidget* control : {static_cast<QWidget*>(SelectFileLabel), static_cast<QWidget*>(FileBrowseButton),
                             static_cast<QWidget*>(ScanFileLabel), static_cast<QWidget*>(ScanButton)})
        control->setEnabled(true);
    ScanFileLabel->hide();
    ScanButton->hide();
    for (QLabel* label : InfoLabels)
        label->hide();
    NameLabel->hide();
    NameEdit->hide();
    NameEdit->setEnabled(false);
    NameEdit->clear();
    FinishedLabel->hide();
    FinishedNameLabel->hide();
    FScan.reset();
    InstallOKButton->setEnabled(false);
    ShowTabs(true);
    PageControl->setCurrentWidget(BibleFiles);
}
