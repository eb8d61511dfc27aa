#include "clock/VECalendarDate.h"

#include "platform/VETimeSource.h"

#include <QCalendar>

namespace {
std::optional<QTimeZone>& defaultZoneOverride()
{
    static std::optional<QTimeZone> zone;
    return zone;
}
} // namespace

VECalendarDate VECalendarDate::dateWithYearMonthDayHourMinuteSecondTimeZone(int year, int month, int day, int hour,
                                                                             int minute, int second,
                                                                             const QTimeZone& timeZone)
{
    VECalendarDate date;
    date.mYear = year;
    date.mMonth = month;
    date.mDay = day;
    date.mHour = hour;
    date.mMinute = minute;
    date.mSecond = second;
    date.mTimeZone = timeZone.isValid() ? timeZone : systemTimeZone();
    return date;
}

VECalendarDate VECalendarDate::fromDateTime(const QDateTime& dateTime)
{
    const QDate day = dateTime.date();
    const QTime time = dateTime.time();
    QTimeZone zone = dateTime.timeZone();
    if (!zone.isValid())
        zone = systemTimeZone();
    // Before the changeover the traditional calendar is Julian.
    static const QDate changeover(1752, 9, 14);
    if (day.isValid() && day < changeover) {
        const QCalendar julian(QCalendar::System::Julian);
        const QCalendar::YearMonthDay parts = julian.partsFromDate(day);
        return dateWithYearMonthDayHourMinuteSecondTimeZone(parts.year, parts.month, parts.day, time.hour(),
                                                            time.minute(), time.second(), zone);
    }
    return dateWithYearMonthDayHourMinuteSecondTimeZone(day.year(), day.month(), day.day(), time.hour(),
                                                        time.minute(), time.second(), zone);
}

VECalendarDate VECalendarDate::calendarDate()
{
    const QDateTime now = VETimeSource::isInstalled() ? VETimeSource::shared().now() : QDateTime::currentDateTime();
    return fromDateTime(now);
}

QDateTime VECalendarDate::dateTime() const
{
    const bool julian = mYear < 1752 || (mYear == 1752 && (mMonth < 9 || (mMonth == 9 && mDay < 14)));
    const QDate day = julian ? QDate(mYear, mMonth, mDay, QCalendar(QCalendar::System::Julian))
                             : QDate(mYear, mMonth, mDay);
    if (!day.isValid())
        return {};
    return QDateTime(day, QTime(mHour, mMinute, mSecond), mTimeZone);
}

QTimeZone VECalendarDate::defaultTimeZone()
{
    return defaultZoneOverride().value_or(systemTimeZone());
}

void VECalendarDate::setDefaultTimeZone(const QTimeZone& timeZone)
{
    if (timeZone.isValid())
        defaultZoneOverride() = timeZone;
    else
        defaultZoneOverride().reset();
}

QTimeZone VECalendarDate::systemTimeZone()
{
    return QTimeZone::systemTimeZone();
}
