#include "custom_calendar.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>

namespace {
// 1 = Sunday .. 7 = Saturday.
int SundayFirstWeekday(const QDate& date) { return date.dayOfWeek() % 7 + 1; }
} // namespace

TCustomCalendar::TCustomCalendar(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    calendarDate_ = QDate::currentDate();
    UpdateCalendar();
}

void TCustomCalendar::SetCalendarDate(const QDate& value) {
    if (!value.isValid()) return;
    calendarDate_ = value;
    UpdateCalendar();
    emit Change();
}

int TCustomCalendar::GetDateElement(int index) const {
    switch (index) {
    case 1: return calendarDate_.year();
    case 2: return calendarDate_.month();
    case 3: return calendarDate_.day();
    default: return -1;
    }
}

void TCustomCalendar::SetDateElement(int index, int value) {
    if (value < 1 || index < 1 || index > 3) return;
    if ((index == 1 && value > 9999) || (index == 2 && value > 12) || (index == 3 && value > DaysThisMonth())) return;
    if (GetDateElement(index) == value) return;
    int year = Year(), month = Month(), day = Day();
    (index == 1 ? year : index == 2 ? month : day) = value;
    // A day that the new month or year lacks (January 31 to February) becomes its last day.
    day = qMin(day, DaysPerMonth(year, month));
    calendarDate_ = QDate(year, month, day);
    useCurrentDate_ = false;
    UpdateCalendar();
    emit Change();
}

void TCustomCalendar::SetStartOfWeek(int value) {
    if (value < 0 || value > 6 || value == startOfWeek_) return;
    startOfWeek_ = value;
    UpdateCalendar();
}

void TCustomCalendar::SetUseCurrentDate(bool value) {
    if (value == useCurrentDate_) return;
    useCurrentDate_ = value;
    if (value) {
        calendarDate_ = QDate::currentDate();
        UpdateCalendar();
    }
}

void TCustomCalendar::SetGridLineWidth(int value) {
    if (value < 0 || value == gridLineWidth_) return;
    gridLineWidth_ = value;
    LayoutCells();
    update();
}

QString TCustomCalendar::GetCellText(int column, int row) const {
    if (column < 0 || column >= ColCount || row < 0 || row >= RowCount) return QString();
    if (row == 0) {
        const int sundayBased = (column + startOfWeek_) % 7;   // 0 = Sunday
        return QLocale().dayName(sundayBased == 0 ? 7 : sundayBased, QLocale::ShortFormat);
    }
    const int n = column + monthOffset_ + 7 * (row - 1);
    if (n < 1 || n > DaysThisMonth()) return QString();
    return QString::number(n);
}

bool TCustomCalendar::IsLeapYear(int year) const {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int TCustomCalendar::DaysPerMonth(int year, int month) const {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return days[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

int TCustomCalendar::DaysThisMonth() const { return DaysPerMonth(Year(), Month()); }

void TCustomCalendar::UpdateCalendar() {
    struct Updating {
        bool& flag;
        explicit Updating(bool& f) : flag(f) { flag = true; }
        ~Updating() { flag = false; }
    } updating(updating_);
    const QDate first(Year(), Month(), 1);
    const int a = (SundayFirstWeekday(first) - startOfWeek_ + 7) % 7;
    monthOffset_ = a == 0 ? -5 : 2 - a;
    col_ = (Day() - monthOffset_) % 7;
    row_ = (Day() - monthOffset_) / 7 + 1;
    update();
}

bool TCustomCalendar::SelectCell(int column, int row) {
    if (readOnly_ && !updating_) return false;
    return !GetCellText(column, row).isEmpty();
}

void TCustomCalendar::Click() {
    emit Clicked();
    const QString text = GetCellText(col_, row_);
    if (!text.isEmpty()) SetDay(text.toInt());
}

// The grid's move of the current cell (refused by SelectCell), then Click.
void TCustomCalendar::FocusCell(int column, int row) {
    if (column >= 0 && column < ColCount && row >= 1 && row < RowCount && SelectCell(column, row)) {
        col_ = column;
        row_ = row;
        update();
    }
    Click();
}

QRect TCustomCalendar::CellRect(int column, int row) const {
    return QRect(column * (colWidth_ + gridLineWidth_), row * (rowHeight_ + gridLineWidth_), colWidth_, rowHeight_);
}

void TCustomCalendar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Mid));   // grid lines
    p.setFont(font());
    const QFontMetrics metrics(font());
    for (int row = 0; row < RowCount; ++row) {
        for (int column = 0; column < ColCount; ++column) {
            const QRect cell = CellRect(column, row);
            const bool current = row > 0 && column == col_ && row == row_;
            QColor back = pal.color(QPalette::Base), text = pal.color(QPalette::Text);
            if (row == 0) {
                back = pal.color(QPalette::Button);
                text = pal.color(QPalette::ButtonText);
            } else if (current) {
                back = pal.color(QPalette::Highlight);
                text = pal.color(QPalette::HighlightedText);
            }
            p.fillRect(cell, back);
            const QString label = GetCellText(column, row);
            if (label.isEmpty()) continue;
            p.save();
            p.setClipRect(cell);
            p.setPen(text);
            const int x = cell.left() + (cell.width() - metrics.horizontalAdvance(label)) / 2;
            const int y = cell.top() + (cell.height() - metrics.height()) / 2;
            p.drawText(x, y + metrics.ascent(), label);
            p.restore();
        }
    }
    if (hasFocus()) {
        p.setPen(QPen(pal.color(QPalette::HighlightedText), 1, Qt::DotLine));
        p.drawRect(CellRect(col_, row_).adjusted(1, 1, -2, -2));
    }
}

void TCustomCalendar::resizeEvent(QResizeEvent*) { LayoutCells(); }

// The seven columns and seven rows fill the control.
void TCustomCalendar::LayoutCells() {
    colWidth_ = qMax(0, (width() - 6 * gridLineWidth_) / 7);
    rowHeight_ = qMax(0, (height() - 6 * gridLineWidth_) / 7);
}

void TCustomCalendar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint pos = event->position().toPoint();
    const int column = pos.x() / qMax(1, colWidth_ + gridLineWidth_);
    const int row = pos.y() / qMax(1, rowHeight_ + gridLineWidth_);
    if (column >= ColCount || row >= RowCount || !CellRect(column, row).contains(pos)) return;
    if (row == 0) return;   // the header row is fixed
    FocusCell(column, row);
}

void TCustomCalendar::keyPressEvent(QKeyEvent* event) {
    int column = col_, row = row_;
    switch (event->key()) {
    case Qt::Key_Left: --column; break;
    case Qt::Key_Right: ++column; break;
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    case Qt::Key_Home: column = 0; break;
    case Qt::Key_End: column = ColCount - 1; break;
    default: QWidget::keyPressEvent(event); return;
    }
    if (column < 0 || column >= ColCount || row < 1 || row >= RowCount) return;
    FocusCell(column, row);
}
