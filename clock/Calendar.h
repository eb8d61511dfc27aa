#pragma once

#include "clock/CalendarCell.h"

#include <QWidget>
#include <functional>
#include <memory>

// The month calendar control: a view that forwards everything to its cell
// (CalendarCell), which keeps the date and draws the month.
class Calendar : public QWidget {
    Q_OBJECT
public:
    using CellFactory = std::function<std::unique_ptr<CalendarCell>()>;

    explicit Calendar(QWidget* parent = nullptr);
    ~Calendar() override;

    // The cell class of Calendar: makes a CalendarCell.
    static CellFactory cellClass();

    CalendarCell& cell() { return *mCell; }
    const CalendarCell& cell() const { return *mCell; }

    void setDate(const std::optional<VECalendarDate>& date) { mCell->setDate(date); }
    const VECalendarDate& date() const { return mCell->date(); }
    void setDay(int day) { mCell->setDay(day); }
    int day() const { return mCell->day(); }
    void setMonth(int month) { mCell->setMonth(month); }
    int month() const { return mCell->month(); }
    void setYear(int year) { mCell->setYear(year); }
    int year() const { return mCell->year(); }

    // The cell's target and action (sent when the date changes).
    void setTarget(QObject* target) { mCell->setTarget(target); }
    void setAction(CalendarCell::Action action) { mCell->setAction(std::move(action)); }

    QSize sizeHint() const override { return {130, 143}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<CalendarCell> mCell;
};
