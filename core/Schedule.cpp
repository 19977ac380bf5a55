#include "Schedule.h"

#include "DeviceDateTime.h"

#include <QTextCodec>

namespace {

const QString kTimePattern = QStringLiteral("hh:mm");

QTime timeOfDay(const QString &text)
{
    const QTime time = QTime::fromString(text, kTimePattern);
    return time.isValid() ? time : QTime(0, 0);
}

void setTimeOfDay(QDateTime &dateTime, const QTime &time)
{
    dateTime.setTime(time);
}

bool isQuoted(const QByteArray &piece)
{
    return piece.size() >= 2 && piece.startsWith('"') && piece.endsWith('"');
}

// Splits a record at commas and restores quoted fields: a quoted field loses
// its quotes, and one that holds commas (every device date-time text holds
// one, a label may hold more) is joined again.
QList<QByteArray> splitQuotedFields(const QByteArray &record)
{
    const QList<QByteArray> pieces = record.split(',');
    QList<QByteArray> fields;
    for (int i = 0; i < pieces.size(); ++i) {
        QByteArray piece = pieces.at(i);
        if (isQuoted(piece)) {
            fields.append(piece.mid(1, piece.size() - 2));
            continue;
        }
        if (piece.startsWith('"')) {
            int end = i + 1;
            while (end < pieces.size() && !pieces.at(end).endsWith('"'))
                ++end;
            if (end < pieces.size()) {
                for (int j = i + 1; j <= end; ++j)
                    piece += ',' + pieces.at(j);
                fields.append(piece.mid(1, piece.size() - 2));
                i = end;
                continue;
            }
        }
        fields.append(piece);
    }
    return fields;
}

} // namespace

Schedule::Schedule(QObject *parent)
    : QObject(parent)
{
}

Schedule *Schedule::unreadableSlot(int slot)
{
    auto *schedule = new Schedule;
    schedule->m_index = slot;
    schedule->m_unreadable = true;
    return schedule;
}

QString Schedule::startTime() const
{
    return m_start.toString(kTimePattern);
}

QString Schedule::pauseTime() const
{
    return m_pausable ? m_pause.toString(kTimePattern) : QString();
}

QString Schedule::resumeTime() const
{
    return m_pausable ? m_resume.toString(kTimePattern) : QString();
}

QString Schedule::stopTime() const
{
    return m_stop.toString(kTimePattern);
}

void Schedule::setAllDates(const QDateTime &date)
{
    m_start = m_pause = m_resume = m_stop = date;
}

void Schedule::normalizeDays()
{
    if (!m_pausable) {
        if (m_stop <= m_start)
            m_stop = m_stop.addDays(1);
        return;
    }
    if (m_pause <= m_start) {
        m_pause = m_pause.addDays(1);
        m_resume = m_resume.addDays(1);
        m_stop = m_stop.addDays(1);
    }
    if (m_resume <= m_pause) {
        m_resume = m_resume.addDays(1);
        m_stop = m_stop.addDays(1);
    }
    if (m_stop <= m_resume)
        m_stop = m_stop.addDays(1);
}

void Schedule::fromJson(const QJsonObject &json)
{
    m_monthDay = json.value(QStringLiteral("monthDay")).toInt();
    m_pausable = json.value(QStringLiteral("pausable")).toBool();
    m_label = json.value(QStringLiteral("label")).toString();
    setAllDates(nextMonthDay(m_monthDay));
    setTimeOfDay(m_start, timeOfDay(json.value(QStringLiteral("startTime")).toString()));
    setTimeOfDay(m_stop, timeOfDay(json.value(QStringLiteral("stopTime")).toString()));
    if (m_pausable) {
        setTimeOfDay(m_pause, timeOfDay(json.value(QStringLiteral("pauseTime")).toString()));
        setTimeOfDay(m_resume, timeOfDay(json.value(QStringLiteral("resumeTime")).toString()));
    }
    normalizeDays();
}

QJsonObject Schedule::toJson() const
{
    const QString none = QStringLiteral("-");
    return {{QStringLiteral("index"), m_index},
            {QStringLiteral("monthDay"), m_monthDay},
            {QStringLiteral("label"), m_label},
            {QStringLiteral("startTime"), startTime()},
            {QStringLiteral("pauseTime"), m_pausable ? pauseTime() : none},
            {QStringLiteral("resumeTime"), m_pausable ? resumeTime() : none},
            {QStringLiteral("stopTime"), stopTime()}};
}

int Schedule::parseScheduleReply(QByteArray record)
{
    record.replace("\n", "");
    const QList<QByteArray> fields = splitQuotedFields(record);
    if (fields.size() < 7)
        return -1;
    if (fields.at(0).toInt() != 0)
        return -1;
    m_index = fields.at(1).toInt();
    m_label = QTextCodec::codecForName("ISO 8859-1")->toUnicode(fields.at(2));
    const QDateTime start = parseDeviceDateTime(QString::fromLatin1(fields.at(3)));
    m_monthDay = start.date().day();
    setAllDates(nextMonthDay(m_monthDay));
    setTimeOfDay(m_start, start.time());
    setTimeOfDay(m_stop, parseDeviceDateTime(QString::fromLatin1(fields.at(6))).time());
    m_pausable = !fields.at(4).isEmpty() && !fields.at(5).isEmpty();
    if (m_pausable) {
        setTimeOfDay(m_pause, parseDeviceDateTime(QString::fromLatin1(fields.at(4))).time());
        setTimeOfDay(m_resume, parseDeviceDateTime(QString::fromLatin1(fields.at(5))).time());
    }
    normalizeDays();
    return 0;
}

qint64 Schedule::measuredSeconds() const
{
    if (!m_pausable)
        return m_start.secsTo(m_stop);
    return m_start.secsTo(m_pause) + m_resume.secsTo(m_stop);
}

bool Schedule::fitsMaxDuration() const
{
    return measuredSeconds() <= m_maxDuration;
}

int Schedule::isFree(const QList<Schedule *> &schedules) const
{
    for (const Schedule *other : schedules) {
        if (!other || other->m_unreadable)
            continue;
        const bool otherWithin = other->m_start >= m_start && other->m_stop <= m_stop;
        const bool startsWithin = other->m_start <= m_start && m_start <= other->m_stop;
        const bool stopsWithin = other->m_start <= m_stop && m_stop <= other->m_stop;
        if (otherWithin || startsWithin || stopsWithin)
            return 0;
    }
    return 1;
}
