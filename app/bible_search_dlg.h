#pragma once
// The Find Bible Verses dialog. It is the program's Bible text reader: it keeps the
// versions of the readings and search roles, keeps the New Testament readings file mapped
// between uses, and builds the day's Bible Readings page.
#include <QDialog>

#include <string>

#include "bible_reader.h"
#include "message_sink.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class TSelvarionMainForm;

class TBibleSearchDlg : public QDialog,
                        public IBibleSearchControls,
                        public IMessageSink,
                        public TBibleReader {
    Q_OBJECT
public:
    // Loads the dialog's position and settings and maps the New Testament readings file.
    explicit TBibleSearchDlg(TSelvarionMainForm& mainForm);
    // Writes the dialog's position and settings.
    ~TBibleSearchDlg() override;

    QComboBox* OldT;
    QComboBox* NewT;
    QComboBox* Apoc;
    QCheckBox* ChapterHeadings;
    QCheckBox* VerseNumbers;
    QGroupBox* SearchGroup;
    QButtonGroup* SearchGroupItems;

    // The Bible Readings page of the day selected in the Select Date window.
    std::string BuildBibleReadingsPage();

    // What the reader reads of the dialog.
    int SearchGroupItemIndex() const override;
    std::string OldTText() const override;
    std::string NewTText() const override;
    std::string ApocText() const override;
    bool ChapterHeadingsChecked() const override;
    bool VerseNumbersChecked() const override;
    std::string AppDataDir() const override;
    std::string ProgramDir() const override;
    void ShowBookList(int part) override;
    // The reader's messages, centred over the dialog.
    void ShowMessage(const std::string& text) override;

private:
    TSelvarionMainForm& FMainForm;
};
