#include "DeviceDateTime.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace {

const QString kPattern = QStringLiteral("yy/MM/dd,hh:mm:ss");
// The instruments' two-digit year always means 20yy. It is read with the
// century in front: read as 19yy, 29 February 2000 would be no date.
const QString kCenturyPattern = QStringLiteral("yyyy/MM/dd,hh:mm:ss");
const QString kCentury = QStringLiteral("20");
const int kPatternLength = 17;
const int kQuarterHour = 900;
// Zone offsets reach at most 14 hours either way.
const int kMaxQuarterHours = 56;

} // namespace

QDateTime parseDeviceDateTime(const QString &text)
{
    // Files and downloads read one date-time per sample: the fixed-width
    // reader is the quick way, the pattern reader the tolerant one.
    QDate date;
    QTime time;
    if (!readDeviceWallClock(text, &date, &time)) {
        const QDateTime wallClock =
            QDateTime::fromString(kCentury + text.left(kPatternLength), kCenturyPattern);
        if (!wallClock.isValid())
            return QDateTime();
        date = wallClock.date();
        time = wallClock.time();
    }

    bool isNumber = false;
    const int quarters = text.right(3).toInt(&isNumber);
    const int zoneQuarters = isNumber ? quarters : 0;
    if (std::abs(zoneQuarters) > kMaxQuarterHours)
        return QDateTime();

    // A fixed offset, not a QTimeZone: the instruments know no zone rules,
    // and building a zone per sample is slow.
    return QDateTime(date, time, Qt::OffsetFromUTC, zoneQuarters * kQuarterHour);
}

bool readDeviceWallClock(const QString &text, QDate *date, QTime *time)
{
    if (text.size() < kPatternLength)
        return false;
    // Two digits at `at`, or -1.
    const auto field = [&text](int at) {
        const QChar tens = text.at(at);
        const QChar ones = text.at(at + 1);
        if (tens < QLatin1Char('0') || tens > QLatin1Char('9') || ones < QLatin1Char('0') ||
            ones > QLatin1Char('9'))
            return -1;
        return (tens.unicode() - '0') * 10 + (ones.unicode() - '0');
    };
    const char separators[] = "//,::";
    const int separatorAt[] = {2, 5, 8, 11, 14};
    for (int i = 0; i < 5; ++i) {
        if (text.at(separatorAt[i]) != QLatin1Char(separators[i]))
            return false;
    }
    const int fields[] = {field(0), field(3), field(6), field(9), field(12), field(15)};
    if (std::any_of(std::begin(fields), std::end(fields), [](int f) { return f < 0; }))
        return false;
    const QDate day(2000 + fields[0], fields[1], fields[2]);
    const QTime clock(fields[3], fields[4], fields[5]);
    if (!day.isValid() || !clock.isValid())
        return false;
    *date = day;
    *time = clock;
    return true;
}

QString formatDeviceDateTime(const QDateTime &dateTime)
{
    // No date is written as no text, not as a lone zone field.
    if (!dateTime.isValid())
        return QString();
    const int quarters = dateTime.offsetFromUtc() / kQuarterHour;
    return dateTime.toString(kPattern) + (quarters >= 0 ? QLatin1Char('+') : QLatin1Char('-')) +
           QStringLiteral("%1").arg(std::abs(quarters), 2, 10, QLatin1Char('0'));
}

QDateTime nextMonthDayFrom(const QDateTime &from, int day)
{
    day = qBound(0, day, 31);
    QDateTime d = from;
    if (d.date().day() > day)
        d = d.addMonths(1);
    while (d.date().daysInMonth() < day)
        d = d.addMonths(1);
    return d.addDays(day - d.date().day());
}

QDateTime nextMonthDay(int day)
{
    return nextMonthDayFrom(QDateTime::currentDateTime(), day);
}
