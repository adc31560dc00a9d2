#pragma once
// The month grid of the Select Date window: a header row of short day names and six rows
// of the day numbers of the month of CalendarDate. Setting the date from code, or picking
// a day with the mouse or the keyboard, emits Change.
#include <QDate>
#include <QWidget>

class TCustomCalendar : public QWidget {
    Q_OBJECT
public:
    explicit TCustomCalendar(QWidget* parent = nullptr);

    QDate CalendarDate() const { return calendarDate_; }
    // Sets the date, redraws and always emits Change (also for the date already shown).
    void SetCalendarDate(const QDate& value);

    // 1 year, 2 month, 3 day; -1 for another index.
    int GetDateElement(int index) const;
    // Replaces one element; ignored when Value < 1, a month > 12, a day beyond the month,
    // another index or the value already held. Otherwise clears UseCurrentDate and emits Change.
    void SetDateElement(int index, int value);
    int Year() const { return GetDateElement(1); }
    int Month() const { return GetDateElement(2); }
    int Day() const { return GetDateElement(3); }
    void SetYear(int value) { SetDateElement(1, value); }
    void SetMonth(int value) { SetDateElement(2, value); }
    void SetDay(int value) { SetDateElement(3, value); }

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }
    int StartOfWeek() const { return startOfWeek_; }   // 0 = Sunday .. 6 = Saturday
    void SetStartOfWeek(int value);
    bool UseCurrentDate() const { return useCurrentDate_; }
    void SetUseCurrentDate(bool value);
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int value);

    // Row 0: the locale's short weekday name; rows 1-6: the day number or "".
    QString GetCellText(int column, int row) const;
    int MonthOffset() const { return monthOffset_; }
    int Col() const { return col_; }   // the current cell
    int Row() const { return row_; }

    virtual bool IsLeapYear(int year) const;
    virtual int DaysPerMonth(int year, int month) const;
    virtual int DaysThisMonth() const;
    virtual void UpdateCalendar();
    virtual bool SelectCell(int column, int row);

    static constexpr int ColCount = 7;
    static constexpr int RowCount = 7;

signals:
    void Change();
    void Clicked();

protected:
    virtual void Click();
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRect CellRect(int column, int row) const;
    void FocusCell(int column, int row);
    void LayoutCells();

    QDate calendarDate_;
    int monthOffset_ = 0;
    bool readOnly_ = false;
    int startOfWeek_ = 0;
    bool updating_ = false;
    bool useCurrentDate_ = true;
    int gridLineWidth_ = 1;
    int col_ = 0;
    int row_ = 1;
    int colWidth_ = 20;
    int rowHeight_ = 20;
};
