// The program's entry: keeps the program to one instance per user and desktop session, shows
// the splash screen, creates the five windows that live for the whole run, in the order in
// which each reads what the earlier ones set up, and shows the main window on today's page.
#include <QApplication>
#include <QMessageBox>

#include <memory>

#include "app_folders.h"
#include "bible_search_dlg.h"
#include "calendar_select_query.h"
#include "custom_find_dialog.h"
#include "date_box.h"
#include "day_names.h"
#include "options_dialog.h"
#include "selvarion_main_form.h"
#include "settings_store.h"
#include "single_instance.h"
#include "splash_image.h"
#include "splash_screen.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setWindowIcon(ProgramIcon());
    ReportSettingsTroubleInMessageBoxes();
    // A second start in the same desktop session brings the running instance's main window
    // forward and ends.
    TSingleInstance instance(QStringLiteral("Selvarion 3.0"));
    if (instance.Acquire() == TSingleInstance::TLock::HeldElsewhere) {
        instance.AskRunningInstance();
        return 0;
    }
    auto splash = std::make_unique<TSplashScreen>();
    splash->setWindowTitle(QStringLiteral("Selvarion 3.0"));
    splash->Hold();

    const TAppFolders folders = FindAppFolders();
    if (folders.appDataDir.isEmpty() || folders.documentsDir.isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Selvarion"), folders.error);
        return 1;
    }

    TSelvarionMainForm mainForm(folders);
    instance.Listen(&mainForm);
    TBibleSearchDlg bibleSearchDlg(mainForm);
    TOptionsDialog optionsDialog(mainForm);
    TCustomFindDialog customFindDialog(mainForm);
    TDateBox dateBox(mainForm, optionsDialog, bibleSearchDlg, &selvmain_resources);
    splash.reset();
    mainForm.show();
    // The data folder could not be made: the pages still show, saving will fail.
    if (!folders.error.isEmpty())
        mainForm.ShowMessageCentered(folders.error, QMessageBox::Warning, QMessageBox::Ok);
    // The first run asks which calendar to use.
    if (!UpdateRegisteredVersion()) {
        TCalendarSelectQuery query(mainForm);
        query.exec();
        RegisterVersion();
    }
    return app.exec();
}
