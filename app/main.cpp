// The program's entry: creates the five windows that live for the whole run, in the order
// in which each reads what the earlier ones set up, and shows the main window on today's page.
#include <QApplication>
#include <QMessageBox>

#include "app_folders.h"
#include "bible_search_dlg.h"
#include "date_box.h"
#include "day_names.h"
#include "options_dialog.h"
#include "selvarion_main_form.h"
#include "settings_store.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const TAppFolders folders = FindAppFolders();
    if (folders.appDataDir.isEmpty() || folders.documentsDir.isEmpty()) {
        QMessageBox::critical(nullptr, QStringLiteral("Selvarion"), folders.error);
        return 1;
    }

    TSelvarionMainForm mainForm(folders);
    TBibleSearchDlg bibleSearchDlg(mainForm);
    TOptionsDialog optionsDialog(mainForm);
    TDateBox dateBox(mainForm, optionsDialog, bibleSearchDlg, &selvmain_resources);
    mainForm.show();
    // The data folder could not be made: the pages still show, saving will fail.
    if (!folders.error.isEmpty())
        mainForm.ShowMessageCentered(folders.error, QMessageBox::Warning, QMessageBox::Ok);
    if (!UpdateRegisteredVersion())
        RegisterVersion();
    return app.exec();
}
