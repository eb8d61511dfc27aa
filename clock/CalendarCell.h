#pragma once

#include "clock/VECalendarDate.h"
#include "platform/VEGeometry.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QDataStream;
class QPainter;
class QWidget;

// The text attributes of one kind of text drawn by the calendar: font, colour
// and paragraph (centred, clipped, a fixed line height).
struct CalendarTextAttributes {
    QFont font;
    QColor color;
    float lineHeight = 0;
};

// The month calendar's cell: keeps the selected date, computes the layout of its
// month and draws it.
//
// Date arithmetic is that of the traditional Unix month calendar: Gregorian from
// September 1752 on, Julian before, with the eleven days dropped at the
// changeover (3 to 13 September 1752) left out. The day table has 6 rows of 7
// cells, row 0 at the top, column 0 Sunday; an empty cell holds -1.
//
// Geometry is in points with the origin at the bottom-left of the control.
class CalendarCell {
public:
    // The action sent when the date changes: called with the control view as sender.
    using Action = std::function<void(QObject* sender)>;

    static constexpr int kCellCount = 42;
    static constexpr float kCellWidth = 17;
    static constexpr float kCellHeight = 13;
    static constexpr float kGridX = 5;
    static constexpr float kGridY = 9;
    static constexpr float kRowStep = 14;
    // The fill of the selected day in the current month (calibrated RGB).
    static QColor selectedDayColor() { return QColor::fromRgbF(196 / 255.0f, 224 / 255.0f, 251 / 255.0f, 1.0f); }

    // init: set up, showing the current date and time.
    CalendarCell();
    virtual ~CalendarCell() = default;
    CalendarCell(const CalendarCell&) = delete;
    CalendarCell& operator=(const CalendarCell&) = delete;

    // initWithCoder: a cell decoded from an archive written by encodeWithCoder;
    // none when the archive does not hold a calendar cell.
    static std::unique_ptr<CalendarCell> initWithCoder(QDataStream& coder);
    void encodeWithCoder(QDataStream& coder) const;
    // copyWithZone: a new cell showing this cell's date; nothing else is copied.
    std::unique_ptr<CalendarCell> copy() const;

    void setup();
    void setupCalendar();
    void setupDayArray();

    // Selects a date; an absent date or one equal to the current date is ignored.
    void setDate(const std::optional<VECalendarDate>& date);
    const VECalendarDate& date() const { return mDate; }
    void setDay(int day);
    void setMonth(int month);
    void setYear(int year);
    int day() const { return mDate.dayOfMonth(); }
    int month() const { return mDate.monthOfYear(); }
    int year() const { return mDate.yearOfCommonEra(); }

    // Draws the background and every day of the month, in the view's coordinates
    // (bottom-left origin) through the painter.
    void drawWithFrameInView(const VERect& frame, QPainter& painter, QWidget* view);
    void drawCalendar(QPainter& painter);
    void dayDraw(int day, QPainter& painter);
    // Moves the selection within the shown month and redraws the two cells.
    void dayChange(int day);
    // The day under a point of the control, or -1.
    int dayAtPoint(VEPoint point) const;
    // Weekday of a day of the shown month, 0 = Sunday.
    int dayInWeek(int day) const;
    // Ordinal day of the year of a day of the shown month, 1 = 1 January.
    int dayInYear(int day) const;
    // The month as text: a line break, then 6 rows of 7 two-character day texts
    // each followed by a blank, each row ended by a line break.
    QString description() const;

    // The rectangle of a day's cell, or none when the day is not in the table.
    std::optional<VERect> rectForDay(int day) const;

    // The calendar rules.
    static bool isLeapYear(int year);
    static int daysInMonthOfYear(int month, int year);

    // Control plumbing (the cell's target, action and control view).
    void setTarget(QObject* target) { mTarget = target; }
    QObject* target() const { return mTarget.data(); }
    void setAction(Action action) { mAction = std::move(action); }
    void setControlView(QWidget* view);
    QWidget* controlView() const;

    const std::array<int, kCellCount>& days() const { return mDays; }
    int daysInMonth() const { return mDaysInMonth; }
    const QImage& backgroundImage() const { return mBackgroundImage; }
    const CalendarTextAttributes& normalAttributes() const { return mNormalAttributes; }
    const CalendarTextAttributes& hiliteAttributes() const { return mHiliteAttributes; }
    const CalendarTextAttributes& weekDayAttributes() const { return mWeekDayAttributes; }

private:
    void sendAction();
    void redrawControlView();

    VECalendarDate mDate;
    QImage mBackgroundImage;
    CalendarTextAttributes mNormalAttributes;
    CalendarTextAttributes mHiliteAttributes;
    CalendarTextAttributes mWeekDayAttributes;
    int mDaysInMonth = 0;
    std::array<int, kCellCount> mDays{};

    QPointer<QObject> mTarget;
    Action mAction;
    QPointer<QObject> mControlView;
    QWidget* mControlWidget = nullptr;
    // The painter of the drawing pass in progress (the drawing focus), if any.
    QPainter* mFocusPainter = nullptr;
    float mFocusHeight = 0;
};
