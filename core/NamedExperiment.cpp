#include "NamedExperiment.h"

#include "DeviceDateTime.h"
#include "Log.h"
#include "Results.h"

#include <QJsonArray>
#include <QTextCodec>

NamedExperiment::NamedExperiment(QObject *parent)
    : Experiment(parent)
{
}

NamedExperiment::NamedExperiment(NameEncoding encoding, QObject *parent)
    : Experiment(parent)
    , m_encoding(encoding)
{
}

void NamedExperiment::setExp_Name(const QString &name)
{
    if (m_expName == name)
        return;
    m_expName = name;
    emit experimentNameChanged();
}

void NamedExperiment::copyHeader(const Experiment *entry)
{
    Experiment::copyHeader(entry);
    if (const auto *named = qobject_cast<const NamedExperiment *>(entry))
        m_expName = named->m_expName;
}

int NamedExperiment::parseListEntry(QByteArray line)
{
    const int nul = line.indexOf('\0');
    if (nul >= 0)
        line.truncate(nul);
    QString text = m_encoding == NameEncoding::Utf8
                       ? QString::fromUtf8(line)
                       : QTextCodec::codecForName("ISO 8859-1")->toUnicode(line);
    text.remove(QLatin1Char('"'));
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() < qMax(6, listEntryFields()))
        return -1;
    setIndex(fields.at(1).toInt());
    setSize(fields.at(2).toInt());
    setDateTime(parseDeviceDateTime(fields.at(3) + QLatin1Char(',') + fields.at(4)));
    m_expName = fields.at(5);
    readListEntryFields(fields);
    return 0;
}

QJsonObject NamedExperiment::entryJson() const
{
    return {{QStringLiteral("date"), formatDeviceDateTime(dateTime())},
            {QStringLiteral("size"), QString::number(size())},
            {QStringLiteral("deviceName"), deviceName()},
            {QStringLiteral("expName"), m_expName},
            {QStringLiteral("index"), QString::number(index())},
            {QStringLiteral("eventIndex"), position()}};
}

QJsonObject NamedExperiment::toJson()
{
    QJsonArray logList;
    const QList<Log *> samples = logs();
    for (Log *log : samples)
        logList.append(log->toJson());
    QJsonObject json = entryJson();
    json.insert(QStringLiteral("logList"), logList);
    json.insert(QStringLiteral("results"), results() ? results()->toJson() : QJsonObject());
    return json;
}

void NamedExperiment::readRunJson(const QJsonObject &run)
{
    setDateTime(parseDeviceDateTime(run.value(QStringLiteral("date")).toString()));
    setDeviceName(run.value(QStringLiteral("deviceName")).toString());
    setIndex(run.value(QStringLiteral("index")).toString().toInt());
    setSize(run.value(QStringLiteral("size")).toString().toInt());
    m_expName = run.value(QStringLiteral("expName")).toString();
}
