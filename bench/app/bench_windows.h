#pragma once
// The program's long-lived windows for the benchmarks, on a settings store and data folder
// of their own, in the new calendar; message boxes are answered with OK.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include <memory>

#include "app_folders.h"
#include "bible_search_dlg.h"
#include "custom_find_dialog.h"
#include "date_box.h"
#include "day_names.h"
#include "message_box.h"
#include "options_dialog.h"
#include "reg_ini_file.h"
#include "selvarion_main_form.h"
#include "settings_store.h"

struct TWindows {
    TWindows()
    {
        qputenv("SELVARION_CONFIG_DIR", config.path().toUtf8());
        qputenv("SELVARION_DATA_DIR", data.path().toUtf8());
        qputenv("SELVARION_PROGRAM_DIR", SELV_PROGRAM_DIR);
        SetMessageBoxHook([](QMessageBox&) { return QMessageBox::Ok; });
        TRegIniFile(SettingsKey).WriteBool(QStringLiteral("Options"), QStringLiteral("OldCalendar"), false);
        folders = FindAppFolders();
    }
    ~TWindows()
    {
        dateBox.reset();
        find.reset();
        options.reset();
        bible.reset();
        main.reset();
    }
    // Creates the windows in the program's order.
    void Create()
    {
        main = std::make_unique<TSelvarionMainForm>(folders);
        bible = std::make_unique<TBibleSearchDlg>(*main);
        options = std::make_unique<TOptionsDialog>(*main);
        find = std::make_unique<TCustomFindDialog>(*main);
        dateBox = std::make_unique<TDateBox>(*main, *options, *bible, &selvmain_resources);
    }
    QTemporaryDir config, data;
    TAppFolders folders;
    std::unique_ptr<TSelvarionMainForm> main;
    std::unique_ptr<TBibleSearchDlg> bible;
    std::unique_ptr<TOptionsDialog> options;
    std::unique_ptr<TCustomFindDialog> find;
    std::unique_ptr<TDateBox> dateBox;
};

// The benchmarks' main: offscreen windows (`platform` may add the offscreen platform's options).
inline int RunBenchmarks(int argc, char** argv, const QByteArray& platform = "offscreen")
{
    qputenv("QT_QPA_PLATFORM", platform);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
