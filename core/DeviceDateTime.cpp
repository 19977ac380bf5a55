#include "DeviceDateTime.h"

#include <QTimeZone>
#include <cstdlib>

namespace {

const QString kPattern = QStringLiteral("yy/MM/dd,hh:mm:ss");
// The instruments' two-digit year always means 20yy. It is read with the
// century in front: read as 19yy, 29 February 2000 would be no date.
const QString kCenturyPattern = QStringLiteral("yyyy/MM/dd,hh:mm:ss");
const QString kCentury = QStringLiteral("20");
const int kPatternLength = 17;
const int kQuarterHour = 900;
// QTimeZone accepts offsets of at most 14 hours either way.
const int kMaxQuarterHours = 56;

} // namespace

QDateTime parseDeviceDateTime(const QString &text)
{
    const QDateTime wallClock =
        QDateTime::fromString(kCentury + text.left(kPatternLength), kCenturyPattern);
    if (!wallClock.isValid())
        return QDateTime();

    bool isNumber = false;
    const int quarters = text.right(3).toInt(&isNumber);
    const int zoneQuarters = isNumber ? quarters : 0;
    if (std::abs(zoneQuarters) > kMaxQuarterHours)
        return QDateTime();

    return QDateTime(wallClock.date(), wallClock.time(), QTimeZone(zoneQuarters * kQuarterHour));
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
