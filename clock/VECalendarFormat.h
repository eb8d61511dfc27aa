#pragma once

#include <QDateTime>
#include <QString>

// Formatting of a date and time by a calendar format: the conversions of the C
// library's strftime in the "C" locale (English names), over a QDateTime in its
// own time zone.
//
//   %a %A   weekday name, abbreviated / full        %b %h %B  month name, abbreviated / full
//   %d %e   day of month 01-31 / blank-padded        %j        day of year 001-366
//   %m      month 01-12                              %y %Y %C  year 00-99 / full / century
//   %H %k   hour 00-23 / blank-padded                %I %l     hour 01-12 / blank-padded
//   %M %S   minute / second 00-59                    %p        "AM" or "PM"
//   %F      milliseconds 000-999                     %w %u     weekday 0-6 (Sunday 0) / 1-7 (Monday 1)
//   %Z %z   zone abbreviation / +hhmm                %s        seconds since the epoch
//   %D %x   %m/%d/%y      %T %X   %H:%M:%S      %R  %H:%M      %r  %I:%M:%S %p
//   %c      %a %b %e %H:%M:%S %Y                  %n %t %%  line break, tab, percent
//
// A conversion not in the list, and a lone % at the end, are copied literally.
namespace VECalendarFormat {

QString format(const QString& format, const QDateTime& dateTime);

} // namespace VECalendarFormat
