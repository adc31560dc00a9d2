#pragma once
// The program's long-lived windows for widget tests, each test with its own empty settings
// store and data folder. Message boxes are recorded and answered from `answers`, with OK
// once it is empty.
#include <QApplication>
#include <QDate>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <memory>
#include <ostream>

#include "app_folders.h"
#include "bible_search_dlg.h"
#include "custom_calendar.h"
#include "date_box.h"
#include "day_names.h"
#include "message_box.h"
#include "options_dialog.h"
#include "reg_ini_file.h"
#include "selvarion_main_form.h"
#include "settings_store.h"

inline QApplication& TestApplication()
{
    static int argc = 1;
    static char name[] = "app_test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

class TAppWindows {
public:
    TAppWindows()
    {
        TestApplication();
        qputenv("SELVARION_CONFIG_DIR", config.path().toUtf8());
        qputenv("SELVARION_DATA_DIR", (data.path() + QStringLiteral("/Selvarion")).toUtf8());
        qputenv("SELVARION_PROGRAM_DIR", SELV_PROGRAM_DIR);
        SetMessageBoxHook([this](QMessageBox& box) {
            messages << box.text();
            if (answers.empty())
                return QMessageBox::Ok;
            const auto answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
    ~TAppWindows()
    {
        Destroy();
        SetMessageBoxHook(nullptr);
    }

    // Settings a test wants before the windows read them.
    void SetOption(const QString& name, bool value)
    {
        TRegIniFile(SettingsKey).WriteBool(QStringLiteral("Options"), name, value);
    }

    // Creates the windows in the program's order.
    void Create()
    {
        folders = FindAppFolders();
        main = std::make_unique<TSelvarionMainForm>(folders);
        bible = std::make_unique<TBibleSearchDlg>(*main);
        options = std::make_unique<TOptionsDialog>(*main);
        dateBox = std::make_unique<TDateBox>(*main, *options, *bible, &selvmain_resources);
    }
    // Destroys them in the reverse order; each writes its settings.
    void Destroy()
    {
        dateBox.reset();
        options.reset();
        bible.reset();
        main.reset();
    }

    void ShowDate(const QDate& date) { dateBox->Calendar->SetCalendarDate(date); }
    QString DataDir() const { return folders.appDataDir; }

    QTemporaryDir config;
    QTemporaryDir data;
    TAppFolders folders;
    QStringList messages;
    std::deque<QMessageBox::StandardButton> answers;
    std::unique_ptr<TSelvarionMainForm> main;
    std::unique_ptr<TBibleSearchDlg> bible;
    std::unique_ptr<TOptionsDialog> options;
    std::unique_ptr<TDateBox> dateBox;
};

// Readable QStrings in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
