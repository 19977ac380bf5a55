#include "RumoExperiment.h"

#include "RumoLog.h"
#include "RumoResults.h"

#include <QJsonArray>
#include <QStringList>

RumoExperiment::RumoExperiment(QObject *parent)
    : NamedExperiment(parent)
{
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
    NamedExperiment::copyHeader(entry);
    if (const auto *listed = qobject_cast<const RumoExperiment *>(entry)) {
        setExp_Name(listed->exp_Name());
        setType(listed->type());
        setSubType(listed->subType());
    }
}

void RumoExperiment::readListEntryFields(const QStringList &fields)
{
    setType(fields.at(6));
    // A line of seven fields names no gas.
    setSubType(fields.value(7));
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
    auto *results = qobject_cast<RumoResults *>(this->results());
    QJsonObject json = entryJson();
    json.insert(QStringLiteral("experimentType"), m_type);
    json.insert(QStringLiteral("experimentSubType"), m_subType);
    json.insert(QStringLiteral("logList"), logListJson());
    json.insert(QStringLiteral("results"), results ? results->toJson() : RumoResults().toJson());
    return json;
}
