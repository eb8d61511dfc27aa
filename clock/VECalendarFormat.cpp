#include "clock/VECalendarFormat.h"

#include <QTimeZone>
#include <cstdlib>

namespace {

const char* const kWeekdayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};

void appendNumber(QString& out, qint64 value, int width, QChar pad)
{
    QString digits = QString::number(std::llabs(value));
    if (digits.size() < width)
        digits.prepend(QString(width - digits.size(), pad));
    if (value < 0)
        digits.prepend(QLatin1Char('-'));
    out += digits;
}

void formatInto(QString& out, const QString& format, const QDateTime& dt, int depth)
{
    const QDate date = dt.date();
    const QTime time = dt.time();
    const int weekday = date.dayOfWeek() % 7; // Qt: Monday 1 .. Sunday 7
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    const int length = static_cast<int>(format.size());
    for (int i = 0; i < length; ++i) {
        const QChar c = format.at(i);
        if (c != QLatin1Char('%') || i + 1 >= length) {
            out += c;
            continue;
        }
        const QChar conversion = format.at(++i);
        auto composite = [&](const char* pattern) {
            if (depth < 2)
                formatInto(out, QString::fromLatin1(pattern), dt, depth + 1);
        };
        switch (conversion.unicode()) {
        case 'a': out += QString::fromLatin1(kWeekdayNames[weekday], 3); break;
        case 'A': out += QString::fromLatin1(kWeekdayNames[weekday]); break;
        case 'b':
        case 'h': out += QString::fromLatin1(kMonthNames[date.month() - 1], 3); break;
        case 'B': out += QString::fromLatin1(kMonthNames[date.month() - 1]); break;
        case 'C': appendNumber(out, date.year() / 100, 2, QLatin1Char('0')); break;
        case 'd': appendNumber(out, date.day(), 2, QLatin1Char('0')); break;
        case 'e': appendNumber(out, date.day(), 2, QLatin1Char(' ')); break;
        case 'F': appendNumber(out, time.msec(), 3, QLatin1Char('0')); break;
        case 'H': appendNumber(out, time.hour(), 2, QLatin1Char('0')); break;
        case 'k': appendNumber(out, time.hour(), 2, QLatin1Char(' ')); break;
        case 'I': appendNumber(out, hour12, 2, QLatin1Char('0')); break;
        case 'l': appendNumber(out, hour12, 2, QLatin1Char(' ')); break;
        case 'j': appendNumber(out, date.dayOfYear(), 3, QLatin1Char('0')); break;
        case 'm': appendNumber(out, date.month(), 2, QLatin1Char('0')); break;
        case 'M': appendNumber(out, time.minute(), 2, QLatin1Char('0')); break;
        case 'S': appendNumber(out, time.second(), 2, QLatin1Char('0')); break;
        case 'p': out += time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"); break;
        case 'w': out += QString::number(weekday); break;
        case 'u': out += QString::number(date.dayOfWeek()); break;
        case 'y': appendNumber(out, ((date.year() % 100) + 100) % 100, 2, QLatin1Char('0')); break;
        case 'Y': out += QString::number(date.year()); break;
        case 's': out += QString::number(dt.toSecsSinceEpoch()); break;
        case 'Z': out += dt.timeZoneAbbreviation(); break;
        case 'z': {
            const int offset = dt.offsetFromUtc();
            out += offset < 0 ? QLatin1Char('-') : QLatin1Char('+');
            appendNumber(out, std::abs(offset) / 3600, 2, QLatin1Char('0'));
            appendNumber(out, (std::abs(offset) % 3600) / 60, 2, QLatin1Char('0'));
            break;
        }
        case 'D':
        case 'x': composite("%m/%d/%y"); break;
        case 'T':
        case 'X': composite("%H:%M:%S"); break;
        case 'R': composite("%H:%M"); break;
        case 'r': composite("%I:%M:%S %p"); break;
        case 'c': composite("%a %b %e %H:%M:%S %Y"); break;
        case 'n': out += QLatin1Char('\n'); break;
        case 't': out += QLatin1Char('\t'); break;
        case '%': out += QLatin1Char('%'); break;
        default:
            out += QLatin1Char('%');
            out += conversion;
            break;
        }
    }
}

} // namespace

namespace VECalendarFormat {

QString format(const QString& format, const QDateTime& dateTime)
{
    QString out;
    out.reserve(format.size() + 16);
    if (!dateTime.isValid())
        return out;
    formatInto(out, format, dateTime, 0);
    return out;
}

} // namespace VECalendarFormat
