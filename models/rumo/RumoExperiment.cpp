#include "RumoExperiment.h"

#include "DeviceDateTime.h"
#include "RumoLog.h"
#include "RumoResults.h"

#include <QJsonArray>
#include <QStringList>

namespace {

const int kListEntryFields = 7;

} // namespace

RumoExperiment::RumoExperiment(QObject *parent)
    : Experiment(parent)
{
}

void RumoExperiment::setExp_Name(const QString &name)
{
    if (m_expName == name)
        return;
    m_expName = name;
    emit experimentNameChanged();
}

void RumoExperiment::setType(const QString &type)
{
    if (m_type == type)
        return;
    m_type = type;
    emit experimentTypeChanged();
}

void RumoExperiment::setSubType(const QString &subType)
{
    if (m_subType == subType)
        return;
    m_subType = subType;
    emit experimentTypeChanged();
}

void RumoExperiment::copyHeader(const Experiment *entry)
{
    Experiment::copyHeader(entry);
    if (const auto *listed = qobject_cast<const RumoExperiment *>(entry)) {
        setExp_Name(listed->exp_Name());
        setType(listed->type());
        setSubType(listed->subType());
    }
}

int RumoExperiment::parseListEntry(QByteArray line)
{
    // ISO 8859-1 maps every byte to the code point of the same value.
    QString text = QString::fromLatin1(line);
    text.remove(QLatin1Char('"'));
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() < kListEntryFields)
        return -1;
    setIndex(fields.at(1).toInt());
    setSize(fields.at(2).toInt());
    setDateTime(parseDeviceDateTime(fields.at(3) + QLatin1Char(',') + fields.at(4)));
    setExp_Name(fields.at(5));
    setType(fields.at(6));
    // A line of seven fields names no gas.
    setSubType(fields.value(7));
    return 0;
}

int RumoExperiment::parseRecords(QList<QByteArray> records)
{
    setLogs({});
    QList<Log *> logs;
    const int count = records.size();
    int status = 0;
    for (int i = 0; i < count;) {
        const int values = RumoLog::announcedValues(records.at(i));
        // A count the lines cannot hold is refused, never looped over or read
        // past.
        if (values < 0 || values >= count - i) {
            status = 1;
            break;
        }
        auto *log = new RumoLog;
        for (int line = i; line <= i + values && status == 0; ++line)
            status = log->parseRecord(records.at(line));
        if (status != 0) {
            delete log;
            break;
        }
        logs.append(log);
        i += values + 1;
    }
    setLogs(logs);
    return status;
}

QJsonObject RumoExperiment::toJson()
{
    QJsonArray logList;
    for (Log *log : logs())
        logList.append(log->toJson());
    auto *results = qobject_cast<RumoResults *>(this->results());
    return {{QStringLiteral("date"), formatDeviceDateTime(dateTime())},
            {QStringLiteral("size"), QString::number(size())},
            {QStringLiteral("deviceName"), deviceName()},
            {QStringLiteral("index"), QString::number(index())},
            {QStringLiteral("expName"), m_expName},
            {QStringLiteral("experimentType"), m_type},
            {QStringLiteral("experimentSubType"), m_subType},
            {QStringLiteral("eventIndex"), position()},
            {QStringLiteral("logList"), logList},
            {QStringLiteral("results"), results ? results->toJson() : RumoResults().toJson()}};
}
