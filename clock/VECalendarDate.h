#pragma once

#include <QDateTime>
#include <QTimeZone>
#include <optional>

// A calendar date: year, month, day, hour, minute and second in a time zone.
//
// The components are kept exactly as given, so that every day of the traditional
// month calendar can be held, including Julian leap days such as 29 February
// 1700 that the proleptic Gregorian calendar does not have. The instant it
// stands for (dateTime) counts in the Julian calendar before 14 September 1752
// and in the Gregorian calendar from then on.
class VECalendarDate {
public:
    VECalendarDate() = default;

    // dateWithYear:month:day:hour:minute:second:timeZone:
    static VECalendarDate dateWithYearMonthDayHourMinuteSecondTimeZone(int year, int month, int day, int hour,
                                                                       int minute, int second,
                                                                       const QTimeZone& timeZone);
    // The components of an instant in the instant's own time zone.
    static VECalendarDate fromDateTime(const QDateTime& dateTime);
    // calendarDate: the current date and time (VETimeSource), local time zone.
    static VECalendarDate calendarDate();

    int yearOfCommonEra() const { return mYear; }
    int monthOfYear() const { return mMonth; }
    int dayOfMonth() const { return mDay; }
    int hourOfDay() const { return mHour; }
    int minuteOfHour() const { return mMinute; }
    int secondOfMinute() const { return mSecond; }
    const QTimeZone& timeZone() const { return mTimeZone; }

    // The instant; invalid when the components name no day of the calendar.
    QDateTime dateTime() const;

    // The program's default time zone (initially the system's) and the system's.
    static QTimeZone defaultTimeZone();
    static void setDefaultTimeZone(const QTimeZone& timeZone);
    static QTimeZone systemTimeZone();

    friend bool operator==(const VECalendarDate& a, const VECalendarDate& b)
    {
        return a.mYear == b.mYear && a.mMonth == b.mMonth && a.mDay == b.mDay && a.mHour == b.mHour
            && a.mMinute == b.mMinute && a.mSecond == b.mSecond && a.mTimeZone == b.mTimeZone;
    }

private:
    int mYear = 2001;
    int mMonth = 1;
    int mDay = 1;
    int mHour = 0;
    int mMinute = 0;
    int mSecond = 0;
    QTimeZone mTimeZone = QTimeZone::utc();
};
