// The main window's find commands: Find on This Page, Find Next, and the saint search that
// moves to the next day whose saints' names hold the text.
#include <QAction>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QTextEdit>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>

#include "bible_search_dlg.h"
#include "content_api.h"
#include "custom_calendar.h"
#include "custom_find_dialog.h"
#include "date_box.h"
#include "selvarion_main_form.h"
#include "text_search.h"
#include "ui_guards.h"

namespace {

// Shows the Find dialog left of and above the screen's centre, in page or saint mode.
void ShowFindDialog(TCustomFindDialog& dialog, bool pageMode)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    dialog.move(screen.width() / 2 - 250, screen.height() / 2 - 50);
    dialog.ShowOptionControls(pageMode);
    dialog.show();
    dialog.activateWindow();
    dialog.FindEdit->setFocus();
}

// The day `key` (month * 100 + day) in the shown year of the calendar in use; a null date
// when that year has no such day.
QDate KeyDate(const TDateBox& box, bool oldCalendar, uint16_t key)
{
    if (!oldCalendar)
        return QDate(box.FCivilYear, key / 100, key % 100);
    const QDate old(box.FOldYearShifted, key / 100, key % 100);
    if (old < TCalendarEngine::FirstOldDateShifted || old > TCalendarEngine::LastOldDateShifted)
        return {};
    return old;
}

// Room left between a match and the Find dialog when the page scrolls the one off the other.
constexpr int MatchClearance = 8;

// The selected match in the edit's viewport.
QRect SelectionRect(QTextEdit& edit)
{
    const QTextCursor selection = edit.textCursor();
    QTextCursor start = selection;
    start.setPosition(selection.selectionStart());
    QTextCursor end = selection;
    end.setPosition(selection.selectionEnd());
    return edit.cursorRect(start).united(edit.cursorRect(end));
}

// How much of `page` a dialog at `place` covers.
qint64 Cover(const QRect& place, const QRect& page)
{
    const QRect both = place.intersected(page);
    return both.isEmpty() ? 0 : qint64(both.width()) * both.height();
}

// Where on the screen a dialog of `frame` covers least of the page, the nearest of those, and
// leaves `match` (both in screen coordinates) uncovered.
std::optional<QPoint> OutOfTheWay(const QRect& frame, const QRect& page, const QRect& match,
                                  const QRect& room)
{
    const int right = room.right() + 1 - frame.width();
    const int bottom = room.bottom() + 1 - frame.height();
    // Less of the page covered first, then the shorter way.
    const auto cost = [&](const QPoint& at) {
        return std::pair(Cover(QRect(at, frame.size()), page), (at - frame.topLeft()).manhattanLength());
    };
    std::optional<QPoint> best;
    for (const int x : {room.left(), page.left() - frame.width(), frame.left(), page.right() + 1, right})
        for (const int y : {room.top(), page.top() - frame.height(), frame.top(), page.bottom() + 1, bottom}) {
            const QPoint at(std::clamp(x, room.left(), std::max(room.left(), right)),
                            std::clamp(y, room.top(), std::max(room.top(), bottom)));
            if (!QRect(at, frame.size()).intersects(match) && (!best || cost(at) < cost(*best)))
                best = at;
        }
    return best;
}

// Keeps the selected match out from under the Find dialog, which stays where it is while it
// covers no match. A match under it sends it once out of the way, to where it covers least of
// the page, so that the following matches are in sight as well; a match under it there, where
// it covers no less anywhere else, is scrolled just above or below it, whichever is the shorter
// way; only where the page cannot scroll that far does the dialog move again.
void KeepMatchInSight(QTextEdit& edit, QWidget& dialog)
{
    if (!dialog.isVisible())
        return;
    QWidget& view = *edit.viewport();
    const QRect match = SelectionRect(edit);
    const QRect frame = dialog.frameGeometry();
    const QRect covered(view.mapFromGlobal(frame.topLeft()), frame.size());
    if (!match.intersects(covered))
        return;

    const QRect page(view.mapToGlobal(QPoint(0, 0)), view.size());
    const QRect onScreen(view.mapToGlobal(match.topLeft()), match.size());
    const std::optional<QPoint> away =
        OutOfTheWay(frame, page, onScreen, dialog.screen()->availableGeometry());
    if (away && Cover(QRect(*away, frame.size()), page) < Cover(frame, page)) {
        dialog.move(*away);
        return;
    }

    // Scrolling by `shift` pixels moves the match up by as much.
    QScrollBar& bar = *edit.verticalScrollBar();
    std::optional<int> scroll;
    for (const int shift : {match.top() - covered.bottom() - 1 - MatchClearance,
                            match.bottom() - covered.top() + 1 + MatchClearance}) {
        const bool onView = match.top() - shift >= 0 && match.bottom() - shift < view.height();
        const int value = bar.value() + shift;
        if (onView && value >= bar.minimum() && value <= bar.maximum() &&
            (!scroll || std::abs(shift) < std::abs(*scroll)))
            scroll = shift;
    }
    if (scroll)
        bar.setValue(bar.value() + *scroll);
    else if (away)
        dialog.move(*away);
}

void ShowCannotFind(TSelvarionMainForm& form, const QString& text)
{
    form.ShowMessageCentered(QStringLiteral("Cannot find \"") + text + QStringLiteral("\"."),
                             QMessageBox::Critical, QMessageBox::Ok);
}

} // namespace

void TSelvarionMainForm::MFindClick()
{
    MFindNext->setEnabled(!CustomFindDialog->FindEdit->text().isEmpty());
    ShowFindDialog(*CustomFindDialog, true);
}

void TSelvarionMainForm::MFindNextClick()
{
    CustomFindDialog->FindButtonClick();
}

void TSelvarionMainForm::MFindSaintClick()
{
    // The Bible Readings page searches for verses in a dialog of its own.
    if (MDailyBibleReadings->isChecked()) {
        ShowBibleSearchDialog(*this);
        return;
    }
    CustomFindDialog->FindEdit->clear();
    ShowFindDialog(*CustomFindDialog, false);
}

void TSelvarionMainForm::FindOnPage(uint16_t options)
{
    const QString text = CustomFindDialog->FindEdit->text();
    MFindNext->setEnabled(!text.isEmpty());
    if (FindInRichEdit(MainRichEdit, text, options))
        KeepMatchInSight(*MainRichEdit, *CustomFindDialog);
    else
        ShowCannotFind(*this, text);
}

void TSelvarionMainForm::FindSaint(uint16_t options)
{
    const auto done = qScopeGuard([this] { CustomFindDialog->FFindSaintBusy = false; });
    TUpdateLock lock(this);
    const QString text = CustomFindDialog->FindEdit->text();
    const QByteArray name = text.toUtf8();
    const bool oldCalendar = MOldCalendar->isChecked();
    const uint16_t shownKey = oldCalendar ? DateBox->FOldMonth * 100 + DateBox->FOldDay
                                          : DateBox->FCivilMonth * 100 + DateBox->FCivilDay;
    const auto search = MTroparionKontakion->isChecked() ? SearchTropLookupTable
                        : MLivesSaints->isChecked()      ? SearchLivesLookupTable
                                                         : nullptr;
    const uint16_t key = search ? search(name.constData(), shownKey) : 0;
    // The shown year may lack the day found (outside the old calendar's range).
    const QDate target = key ? KeyDate(*DateBox, oldCalendar, key) : QDate();
    if (!target.isValid()) {
        ShowCannotFind(*this, text);
        return;
    }
    if (!CheckSaveChanges(MFindSaint))
        return;
    if (oldCalendar) {
        DateBox->SetOldDate(target);
        DateBox->Calendar->SetCalendarDate(DateBox->FOldDateShifted);
    } else {
        DateBox->MoveToCivilDate(target);
    }
    DateBox->ShowDayPage(true);
    if (FindInRichEdit(MainRichEdit, text, options))
        KeepMatchInSight(*MainRichEdit, *CustomFindDialog);
}
