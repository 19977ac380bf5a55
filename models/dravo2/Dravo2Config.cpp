#include "Dravo2Config.h"

#include "Dravo2Model.h"

#include <QJsonDocument>
#include <QJsonValue>
#include <QRegularExpression>
#include <cmath>

namespace {

// The value of a schedule record "<sub-command>,<value>".
bool scheduleRecordValue(const QByteArray &record, const QByteArray &subCommand, int *value)
{
    const QList<QByteArray> fields = record.split(',');
    return fields.size() >= 2 && fields.at(0) == subCommand &&
           Dravo2Config::replyInteger(fields.at(1), value);
}

// A level as the window sends it: a text holding a decimal integer, or a
// whole JSON number. Anything else is not a level.
bool levelFromJson(const QJsonValue &value, const Dravo2Config::LevelRange &range, int *level)
{
    int number = 0;
    if (value.isString()) {
        if (!Dravo2Config::replyInteger(value.toString().toLatin1(), &number))
            return false;
    } else if (value.isDouble()) {
        const double real = value.toDouble();
        if (real != std::floor(real) || std::abs(real) > 1e6)
            return false;
        number = int(real);
    } else {
        return false;
    }
    *level = number;
    return range.contains(number);
}

} // namespace

bool Dravo2Config::replyInteger(const QByteArray &text, int *value)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (ok)
        *value = number;
    return ok;
}

const QStringList &Dravo2Config::timeWeightings()
{
    static const QStringList weightings{QStringLiteral("Fast"), QStringLiteral("Slow"),
                                        QStringLiteral("Impulse")};
    return weightings;
}

const QStringList &Dravo2Config::frequencyWeightings()
{
    static const QStringList weightings{QStringLiteral("A"), QStringLiteral("C"),
                                        QStringLiteral("Z")};
    return weightings;
}

const QStringList &Dravo2Config::octaveAnalyses()
{
    static const QStringList analyses{QStringLiteral("1/1"), QStringLiteral("1/3")};
    return analyses;
}

Dravo2Config::Dravo2Config(QObject *parent)
    : DeviceConfig(parent)
{
}

int Dravo2Config::setExperimentDurationFromReply(const QByteArray &seconds)
{
    // A count that is not a number reads as 0.
    const int value = seconds.toInt();
    if (value < 0)
        return -1;
    m_experimentDuration = durationText(value);
    return 0;
}

int Dravo2Config::setScheduleStatusFromReply(const QByteArray &record)
{
    const QList<QByteArray> fields = record.split(',');
    if (fields.size() < 2 || fields.at(0) != "3")
        return -1;
    m_scheduleStatus = fields.at(1).toInt() != 0;
    return 0;
}

int Dravo2Config::setScheduleMaxTimeFromReply(const QByteArray &record)
{
    int hours = 0;
    // The instrument gives whole hours; a count beyond a year is not a limit.
    if (!scheduleRecordValue(record, "4", &hours) || hours < 0 || hours > 24 * 366)
        return -1;
    m_scheduleMaxTime = hours * 3600;
    return 0;
}

int Dravo2Config::durationSeconds(const QString &duration)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,3}):([0-5]\\d)$"));
    const QRegularExpressionMatch match = pattern.match(duration);
    if (!match.hasMatch())
        return -1;
    return match.captured(1).toInt() * 3600 + match.captured(2).toInt() * 60;
}

QString Dravo2Config::durationText(int seconds)
{
    const QLatin1Char zero('0');
    return QStringLiteral("%1:%2")
        .arg(seconds / 3600, 2, 10, zero)
        .arg((seconds / 60) % 60, 2, 10, zero);
}

bool Dravo2Config::isWritable(bool withOctave) const
{
    return timeWeightings().contains(m_timeWeighting) &&
           frequencyWeightings().contains(m_frequencyWeighting) &&
           (!withOctave || octaveAnalyses().contains(m_octaveAnalysis)) &&
           durationSeconds(m_experimentDuration) >= 0 && ActionLevelRange.contains(m_actionLevel) &&
           CriterionLevelRange.contains(m_criterionLevel) &&
           ExchangeRateRange.contains(m_exchangeRate);
}

QJsonObject Dravo2Config::toJson()
{
    return {{QStringLiteral("productName"), dravo2ProductName()},
            {QStringLiteral("timeWeighting"), m_timeWeighting},
            {QStringLiteral("frequencyWeighting"), m_frequencyWeighting},
            {QStringLiteral("octaveAnalysis"), m_octaveAnalysis},
            {QStringLiteral("experimentDuration"), m_experimentDuration},
            {QStringLiteral("actionLevel"), m_actionLevel},
            {QStringLiteral("criterionLevel"), m_criterionLevel},
            {QStringLiteral("exchangeRate"), m_exchangeRate},
            {QStringLiteral("scheduleStatus"), m_scheduleStatus},
            {QStringLiteral("scheduleMaxTime"), m_scheduleMaxTime}};
}

int Dravo2Config::fromJson(QString json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8());
    if (!document.isObject())
        return -1;
    const QJsonObject object = document.object();

    Dravo2Config read;
    read.m_timeWeighting = object.value(QStringLiteral("timeWeighting")).toString();
    read.m_frequencyWeighting = object.value(QStringLiteral("frequencyWeighting")).toString();
    read.m_octaveAnalysis = object.value(QStringLiteral("octaveAnalysis")).toString();
    read.m_experimentDuration = object.value(QStringLiteral("experimentDuration")).toString();
    read.m_scheduleStatus = object.value(QStringLiteral("scheduleStatus")).toBool();
    const bool levelsRead = levelFromJson(object.value(QStringLiteral("actionLevel")),
                                          ActionLevelRange, &read.m_actionLevel) &&
                            levelFromJson(object.value(QStringLiteral("criterionLevel")),
                                          CriterionLevelRange, &read.m_criterionLevel) &&
                            levelFromJson(object.value(QStringLiteral("exchangeRate")),
                                          ExchangeRateRange, &read.m_exchangeRate);
    // An instrument without octave analysis has no mode to choose, so the
    // window may leave it empty.
    const bool octaveRead =
        read.m_octaveAnalysis.isEmpty() || octaveAnalyses().contains(read.m_octaveAnalysis);
    if (!levelsRead || !octaveRead || !read.isWritable(false))
        return -1;

    m_timeWeighting = read.m_timeWeighting;
    m_frequencyWeighting = read.m_frequencyWeighting;
    m_octaveAnalysis = read.m_octaveAnalysis;
    m_experimentDuration = read.m_experimentDuration;
    m_actionLevel = read.m_actionLevel;
    m_criterionLevel = read.m_criterionLevel;
    m_exchangeRate = read.m_exchangeRate;
    m_scheduleStatus = read.m_scheduleStatus;
    return 0;
}
