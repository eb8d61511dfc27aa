#include "clock/CalendarCell.h"

#include "platform/VECoordinates.h"
#include "services/VEBundle.h"

#include <QDataStream>
#include <QPainter>
#include <QTextOption>
#include <QWidget>
#include <cmath>

namespace {

constexpr int kMonthLengths[2][13] = {
    {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

// September 1752: the 1st and 2nd on Tuesday and Wednesday, then the 14th.
constexpr int kSeptember1752[CalendarCell::kCellCount] = {
    -1, -1, 1,  2,  14, 15, 16, //
    17, 18, 19, 20, 21, 22, 23, //
    24, 25, 26, 27, 28, 29, 30, //
    -1, -1, -1, -1, -1, -1, -1, //
    -1, -1, -1, -1, -1, -1, -1, //
    -1, -1, -1, -1, -1, -1, -1,
};

const char* const kWeekDayLetters[7] = {"S", "M", "T", "W", "T", "F", "S"};

// 3 September 1752 and 14 September 1752 as days counted from 1 January of year 1.
constexpr int kFirstMissingDay = 639799;
constexpr int kFirstGregorianDay = 639810;

constexpr quint32 kArchiveMagic = 0x56454343; // 'VECC'
constexpr quint32 kArchiveVersion = 1;

QString dayText(int day)
{
    if (day < 1 || day > 31)
        return QStringLiteral("  ");
    return day < 10 ? QStringLiteral(" %1").arg(day) : QString::number(day);
}

CalendarTextAttributes makeAttributes(float fontSize, float lineHeight)
{
    CalendarTextAttributes attributes;
    attributes.font = QFont(QStringLiteral("Lucida Grande"));
    attributes.font.setPixelSize(static_cast<int>(fontSize));
    attributes.color = Qt::black;
    attributes.lineHeight = lineHeight;
    return attributes;
}

// Centred text with clipping line breaks, its line of the given height centred
// in the rectangle (y measured downwards in the painter's coordinates).
void drawText(QPainter& painter, const QString& text, const QRectF& rect, const CalendarTextAttributes& attributes)
{
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setFont(attributes.font);
    painter.setPen(attributes.color);
    const QRectF line(rect.left(), rect.top(), rect.width(), attributes.lineHeight);
    QTextOption option(Qt::AlignHCenter | Qt::AlignVCenter);
    option.setWrapMode(QTextOption::NoWrap);
    painter.drawText(line, text, option);
    painter.restore();
}

} // namespace

CalendarCell::CalendarCell()
{
    setup();
    setDate(VECalendarDate::calendarDate());
    // setDate ignores a date equal to the initial one; make sure the table is built.
    setupCalendar();
}

std::unique_ptr<CalendarCell> CalendarCell::initWithCoder(QDataStream& coder)
{
    quint32 magic = 0, version = 0;
    coder >> magic >> version;
    if (coder.status() != QDataStream::Ok || magic != kArchiveMagic || version != kArchiveVersion)
        return nullptr;
    qint32 year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    QByteArray zoneId;
    coder >> year >> month >> day >> hour >> minute >> second >> zoneId;
    if (coder.status() != QDataStream::Ok)
        return nullptr;
    if (month < 1 || month > 12 || day < 1 || day > daysInMonthOfYear(month, year) || hour < 0 || hour > 23
        || minute < 0 || minute > 59 || second < 0 || second > 59)
        return nullptr;
    const QTimeZone zone(zoneId);
    auto cell = std::make_unique<CalendarCell>();
    cell->mDate = VECalendarDate::dateWithYearMonthDayHourMinuteSecondTimeZone(
        year, month, day, hour, minute, second, zone.isValid() ? zone : VECalendarDate::defaultTimeZone());
    cell->setupCalendar();
    return cell;
}

void CalendarCell::encodeWithCoder(QDataStream& coder) const
{
    coder << kArchiveMagic << kArchiveVersion;
    coder << qint32(mDate.yearOfCommonEra()) << qint32(mDate.monthOfYear()) << qint32(mDate.dayOfMonth())
          << qint32(mDate.hourOfDay()) << qint32(mDate.minuteOfHour()) << qint32(mDate.secondOfMinute())
          << mDate.timeZone().id();
}

std::unique_ptr<CalendarCell> CalendarCell::copy() const
{
    auto cell = std::make_unique<CalendarCell>();
    cell->setDate(mDate);
    return cell;
}

void CalendarCell::setup()
{
    mNormalAttributes = makeAttributes(10, 13);
    mHiliteAttributes = makeAttributes(10, 13);
    mWeekDayAttributes = makeAttributes(11, 15);

    // A private copy of the named picture, with the weekday letters drawn once.
    const QPixmap named = VEBundle::imageNamed(QStringLiteral("CalendarBackground"));
    if (named.isNull()) {
        mBackgroundImage = QImage(130, 143, QImage::Format_ARGB32_Premultiplied);
        mBackgroundImage.fill(Qt::white);
    } else {
        mBackgroundImage = named.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        mBackgroundImage.setDevicePixelRatio(named.devicePixelRatio());
    }
    const float height = static_cast<float>(mBackgroundImage.deviceIndependentSize().height());
    QPainter painter(&mBackgroundImage);
    for (int k = 0; k < 7; ++k) {
        const QRectF rect = VECoordinates::toQtLocal(VERect(6 + 17.0f * k, 94, 17, 15), height);
        drawText(painter, QString::fromLatin1(kWeekDayLetters[k]), rect, mWeekDayAttributes);
    }
}

void CalendarCell::setupCalendar()
{
    setupDayArray();
}

void CalendarCell::setupDayArray()
{
    if (month() == 9 && year() == 1752) {
        std::copy(std::begin(kSeptember1752), std::end(kSeptember1752), mDays.begin());
        mDaysInMonth = 30;
        return;
    }
    mDays.fill(-1);
    mDaysInMonth = daysInMonthOfYear(month(), year());
    const int first = dayInWeek(1);
    for (int d = 1; d <= mDaysInMonth && first + d - 1 < kCellCount; ++d)
        mDays[static_cast<size_t>(first + d - 1)] = d;
}

void CalendarCell::setDate(const std::optional<VECalendarDate>& date)
{
    if (!date || *date == mDate)
        return;
    mDate = *date;
    setupCalendar();
    redrawControlView();
    sendAction();
}

void CalendarCell::setDay(int day)
{
    if (day < 1 || day > mDaysInMonth)
        return;
    setDate(VECalendarDate::dateWithYearMonthDayHourMinuteSecondTimeZone(year(), month(), day, 0, 0, 0,
                                                                          VECalendarDate::defaultTimeZone()));
}

void CalendarCell::setMonth(int month)
{
    if (month < 1 || month > 12)
        return;
    const int day = std::max(1, std::min(this->day(), daysInMonthOfYear(month, year())));
    setDate(VECalendarDate::dateWithYearMonthDayHourMinuteSecondTimeZone(year(), month, day, 0, 0, 0,
                                                                          VECalendarDate::defaultTimeZone()));
}

void CalendarCell::setYear(int year)
{
    const int day = std::max(1, std::min(this->day(), daysInMonthOfYear(month(), year)));
    setDate(VECalendarDate::dateWithYearMonthDayHourMinuteSecondTimeZone(year, month(), day, 0, 0, 0,
                                                                          VECalendarDate::defaultTimeZone()));
}

void CalendarCell::drawWithFrameInView(const VERect& frame, QPainter& painter, QWidget* view)
{
    if (view)
        setControlView(view);
    mFocusPainter = &painter;
    mFocusHeight = view ? static_cast<float>(view->height()) : frame.height();
    const QPointF origin = VECoordinates::toQtLocal(
        VEPoint{frame.x(), frame.y() + static_cast<float>(mBackgroundImage.deviceIndependentSize().height())},
        mFocusHeight);
    painter.drawImage(origin, mBackgroundImage);
    drawCalendar(painter);
    mFocusPainter = nullptr;
}

void CalendarCell::drawCalendar(QPainter& painter)
{
    for (int d = 1; d <= mDaysInMonth; ++d)
        dayDraw(d, painter);
}

std::optional<VERect> CalendarCell::rectForDay(int day) const
{
    for (int i = 0; i < kCellCount; ++i) {
        if (mDays[static_cast<size_t>(i)] != day)
            continue;
        const int row = i / 7;
        const int column = i % 7;
        return VERect(kGridX + kCellWidth * static_cast<float>(column),
                      kGridY + kRowStep * static_cast<float>(5 - row), kCellWidth, kCellHeight);
    }
    return std::nullopt;
}

void CalendarCell::dayDraw(int day, QPainter& painter)
{
    const std::optional<VERect> rect = rectForDay(day);
    if (!rect)
        return;
    const float height = mFocusPainter ? mFocusHeight
                                       : static_cast<float>(painter.device()->height())
                                             / static_cast<float>(painter.device()->devicePixelRatioF());
    const QRectF qtRect = VECoordinates::toQtLocal(*rect, height);
    const bool selected = day == mDate.dayOfMonth();
    const VECalendarDate now = VECalendarDate::calendarDate();
    const bool currentMonth = now.monthOfYear() == month() && now.yearOfCommonEra() == year();
    painter.fillRect(qtRect, selected && currentMonth ? selectedDayColor() : QColor(Qt::white));
    drawText(painter, QString::number(day), qtRect, selected ? mHiliteAttributes : mNormalAttributes);
}

void CalendarCell::dayChange(int day)
{
    if (day <= 0 || day == mDate.dayOfMonth())
        return;
    const std::optional<VERect> previous = rectForDay(mDate.dayOfMonth());
    mDate = VECalendarDate::dateWithYearMonthDayHourMinuteSecondTimeZone(year(), month(), day, 0, 0, 0,
                                                                         VECalendarDate::systemTimeZone());
    const std::optional<VERect> next = rectForDay(day);
    // Redraw both cells at once on the control view.
    if (QWidget* view = controlView()) {
        const float height = static_cast<float>(view->height());
        for (const auto& rect : {previous, next})
            if (rect)
                view->repaint(VECoordinates::toQtLocal(*rect, height).toAlignedRect());
    }
    sendAction();
}

int CalendarCell::dayAtPoint(VEPoint point) const
{
    // Whole cells only: a point left of or below the grid is outside it (floor,
    // not truncation, so that it does not fall into the first column or the
    // bottom row, and a negative column cannot wrap into the row above).
    const int column = static_cast<int>(std::floor((point.x - kGridX) / kCellWidth));
    const int row = 5 - static_cast<int>(std::floor((point.y - kGridY) / kRowStep));
    if (column < 0 || column > 6 || row < 0 || row > 5)
        return -1;
    const int index = row * 7 + column;
    if (index < 0 || index >= kCellCount)
        return -1;
    return mDays[static_cast<size_t>(index)];
}

int CalendarCell::dayInWeek(int day) const
{
    const int p = year() - 1;
    int leapDays = p / 4;
    if (p > 1700)
        leapDays -= p / 100 - 17;
    if (p > 1600)
        leapDays += (p - 1600) / 400;
    const long long n = static_cast<long long>(p) * 365 + leapDays + dayInYear(day);
    auto mod7 = [](long long v) { return static_cast<int>(((v % 7) + 7) % 7); };
    if (n < kFirstMissingDay)
        return mod7(n - 1 + 6);
    if (n >= kFirstGregorianDay)
        return mod7(n - 1 + 6 - 11);
    return 4;
}

int CalendarCell::dayInYear(int day) const
{
    int total = day;
    for (int m = 1; m < month() && m <= 12; ++m)
        total += daysInMonthOfYear(m, year());
    return total;
}

QString CalendarCell::description() const
{
    QString text;
    text.reserve(1 + 6 * 22);
    text += QLatin1Char('\n');
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 7; ++column) {
            text += dayText(mDays[static_cast<size_t>(row * 7 + column)]);
            text += QLatin1Char(' ');
        }
        text += QLatin1Char('\n');
    }
    return text;
}

bool CalendarCell::isLeapYear(int year)
{
    if (year > 1752)
        return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return year % 4 == 0;
}

int CalendarCell::daysInMonthOfYear(int month, int year)
{
    if (month < 1 || month > 12)
        return 0;
    return kMonthLengths[isLeapYear(year) ? 1 : 0][month];
}

void CalendarCell::setControlView(QWidget* view)
{
    mControlView = view;
    mControlWidget = view;
}

QWidget* CalendarCell::controlView() const
{
    return mControlView.isNull() ? nullptr : mControlWidget;
}

void CalendarCell::sendAction()
{
    if (mTarget.isNull() || !mAction)
        return;
    mAction(controlView());
}

void CalendarCell::redrawControlView()
{
    if (QWidget* view = controlView())
        view->update();
}
