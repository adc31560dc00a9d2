// The main window's side of the Find Bible Verses dialog: opening it from Find Saint and the
// End Bible Search command.
#include <QGuiApplication>
#include <QScreen>

#include "bible_search_dlg.h"
#include "selvarion_main_form.h"

void ShowBibleSearchDialog(TSelvarionMainForm& mainForm)
{
    TBibleSearchDlg& dialog = *mainForm.BibleSearchDlg;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint was = dialog.pos();
    QPoint place = was;
    place.setX(std::max(0, place.x()));
    place.setY(std::max(0, place.y()));
    if (place.x() + dialog.width() > screen.width())
        place.setX(screen.width() - dialog.width());
    if (place.y() + dialog.height() > screen.height())
        place.setY(screen.height() - dialog.height());
    // Moved only when it must: a move before the first showing would place the frame where
    // the stored position means the client area.
    if (place != was)
        dialog.move(place);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

void TSelvarionMainForm::MEndBibleSearchClick()
{
    BibleSearchDlg->EndSearchButtonClick();
    BibleSearchDlg->close();
}
