// The main window's saving commands: the question before a changed page is left, Save to
// the day's personalized file, Save As to any file, and Delete File.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTextDocument>
#include <QTextEdit>

#include "bible_search_dlg.h"
#include "date_box.h"
#include "rtf.h"
#include "save_dialog.h"
#include "selvarion_main_form.h"
#include "ui_guards.h"
#include "whole_file_write.h"

namespace {

// What saving to the personalized file does, by whether the file exists and whether the
// shown page was read from it: only such a page updates the file, any other replaces it.
enum class TSaveKind { Create, Update, Replace };

TSaveKind SaveKindOf(bool fileExists, bool pageReadFromFile)
{
    if (!fileExists)
        return TSaveKind::Create;
    return pageReadFromFile ? TSaveKind::Update : TSaveKind::Replace;
}

QString SaveQuestion(TSaveKind kind)
{
    switch (kind) {
    case TSaveKind::Create:
        return QStringLiteral("Create new personalized file?");
    case TSaveKind::Update:
        return QStringLiteral("Save changes/additions to personalized file?");
    case TSaveKind::Replace:
        break;
    }
    return QStringLiteral("Replace existing personalized file?");
}

QString DeleteQuestionStart(TDayPage page)
{
    switch (page) {
    case TDayPage::TroparionKontakion:
        return QStringLiteral("Delete personalized troparia and kontakia file\n\n");
    case TDayPage::DailyBibleReadings:
        return QStringLiteral("Delete personalized bible readings file\n\n");
    case TDayPage::LivesSaints:
        break;
    }
    return QStringLiteral("Delete personalized lives of saints file\n\n");
}

// Writes `data` as the whole new content of `path`: the old file stays as it was unless
// everything was written. Returns the error text, empty on success.
QString WriteFileSayingWhy(const QString& path, const QByteArray& data)
{
    const QString why = WriteWholeFile(path, data);
    if (why.isEmpty())
        return {};
    return QStringLiteral("Cannot write file \"%1\". %2").arg(QDir::toNativeSeparators(path), why);
}

// The stamp of the file at `path`; none when it is missing.
selvmap::FileStamp PersonalFileStamp(const QString& path)
{
    selvmap::FileStamp stamp;
    selvmap::RegularFileStamp(QFile::encodeName(path).toStdString(), stamp);
    return stamp;
}

} // namespace

void TSelvarionMainForm::RememberPersonalFile()
{
    FPersonalFileStamp = PersonalFileStamp(FPersonalFileName);
}

bool TSelvarionMainForm::PersonalFileChangedElsewhere() const
{
    return PersonalFileStamp(FPersonalFileName) != FPersonalFileStamp;
}

bool TSelvarionMainForm::CheckSaveChanges(QObject* sender)
{
    if (!MainRichEdit->document()->isModified())
        return true;
    if (BibleSearchDlg && BibleSearchDlg->FInSearchMode) {
        // A shown Bible passage is no day's page: it can only be kept as a copy. Printing
        // leaves it on screen.
        if (sender == MPrint)
            return true;
        const auto answer = ShowMessageCentered(
            QStringLiteral("Text has changed. Save a copy of the active document to a disk file?"),
            QMessageBox::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Yes)
            return MSaveAsClick();
        if (answer != QMessageBox::No)
            return false;
        MainRichEdit->document()->setModified(false);
        return true;
    }
    FSavePrompt = true;
    const auto clearPrompt = qScopeGuard([this] { FSavePrompt = false; });
    return MSaveClick(sender);
}

bool TSelvarionMainForm::MSaveClick(QObject* sender)
{
    QTextDocument& page = *MainRichEdit->document();
    const bool fileExists = QFileInfo::exists(FPersonalFileName);
    const TSaveKind kind = SaveKindOf(fileExists, FPersonalFileShown);
    const QString path = FPersonalFileName;

    if (FSavePrompt) {
        const auto answer = ShowMessageCentered(QStringLiteral("Text has changed. ") + SaveQuestion(kind),
                                                QMessageBox::Question,
                                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::No) {
            // Print prints the page as it stands and leaves it edited.
            if (sender == MPrint)
                return true;
            TUpdateLock lock(this);
            // Select Date may be cancelled: it needs the day's page without the edits. Every
            // other command replaces the page at once.
            if (sender == MSelectDate)
                DateBox->ShowDayPage(false);
            else
                page.setModified(false);
            return true;
        }
        if (answer != QMessageBox::Yes)
            return false;
    } else {
        if (kind == TSaveKind::Update && !page.isModified()) {
            ShowMessageCentered(QStringLiteral("No changes have been made."), QMessageBox::Information,
                                QMessageBox::Ok);
            return false;
        }
        if (ShowMessageCentered(SaveQuestion(kind), QMessageBox::Question,
                                QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
            return false;
    }

    // Another running program may have saved the file since the page was read from it.
    if (kind == TSaveKind::Update && PersonalFileChangedElsewhere() &&
        ShowMessageCentered(QStringLiteral("The personalized file \"%1\" was changed by another program "
                                           "after this page was loaded. Replace it with this page?")
                                .arg(QDir::toNativeSeparators(path)),
                            QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return false;

    QString error;
    {
        TUpdateLock lock(this);
        error = WriteFileSayingWhy(path, SaveRtf(page));
        if (error.isEmpty()) {
            RememberPersonalFile();
            SetHint(QStringLiteral("Saved as ") + QDir::toNativeSeparators(path));
            // The page now shows the saved file, also where the settings would not load it.
            if (FSavePrompt || kind != TSaveKind::Update) {
                DateBox->FForcePersonalized = true;
                DateBox->ShowDayPage(false);
            }
            page.setModified(false);
        }
    }
    if (!error.isEmpty()) {
        ShowMessageCentered(error, QMessageBox::Critical, QMessageBox::Ok);
        return false;
    }
    ShowHintInStatusBar();
    return true;
}

bool TSelvarionMainForm::MSaveAsClick()
{
    const QString fileName = RunSaveDialog(this, FSaveDialogDirectory);
    if (fileName.isEmpty())
        return false;
    const QFileInfo file(fileName);
    FSaveDialogDirectory = file.absolutePath();
    const QTextDocument& page = *MainRichEdit->document();
    const bool richText = file.suffix().toUpper() == QLatin1String("RTF");
    const QString error = WriteFileSayingWhy(fileName, richText ? SaveRtf(page) : page.toPlainText().toUtf8());
    if (!error.isEmpty()) {
        ShowMessageCentered(error, QMessageBox::Critical, QMessageBox::Ok);
        return false;
    }
    SetHint(QStringLiteral("Saved as ") + QDir::toNativeSeparators(fileName));
    MainRichEdit->document()->setModified(false);
    ShowHintInStatusBar();
    return true;
}

void TSelvarionMainForm::MDeleteFileClick()
{
    const QString path = QDir::toNativeSeparators(FPersonalFileName);
    QString question = DeleteQuestionStart(CurrentPage()) + path + QStringLiteral("\n\nfrom your hard disk?");
    if (MainRichEdit->document()->isModified())
        question += QStringLiteral("\n\nThe changes made to the page on screen will be lost.");
    if (ShowMessageCentered(question, QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel) !=
        QMessageBox::Ok)
        return;
    TUpdateLock lock(this);
    const bool deleted = QFile::remove(FPersonalFileName);
    DateBox->ShowDayPage(false);
    SetHint(deleted ? path + QStringLiteral(" Deleted.") : QStringLiteral("Unable to Delete ") + path + QLatin1Char('.'));
    MainRichEdit->document()->setModified(false);
    ShowHintInStatusBar();
}
