// The main window's side of the Find Bible Verses dialog: opening it from Find Saint and the
// End Bible Search command.
#include "bible_search_dlg.h"
#include "screen_classes.h"
#include "selvarion_main_form.h"

void ShowBibleSearchDialog(TSelvarionMainForm& mainForm)
{
    TBibleSearchDlg& dialog = *mainForm.BibleSearchDlg;
    PullOntoScreen(dialog);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

void TSelvarionMainForm::MEndBibleSearchClick()
{
    BibleSearchDlg->EndSearchButtonClick();
    BibleSearchDlg->close();
}
