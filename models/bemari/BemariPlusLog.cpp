#include "BemariPlusLog.h"

BemariPlusLog::BemariPlusLog(QObject *parent)
    : BemariLog(parent)
{
}

void BemariPlusLog::readMoreFields(const QStringList &fields)
{
    // A record of six fields leaves the interval as it was.
    if (fields.size() > RecordFields)
        m_interval = fields.at(RecordFields);
}

QJsonObject BemariPlusLog::toJson()
{
    QJsonObject json = BemariLog::toJson();
    json.insert(QStringLiteral("interval"), m_interval);
    return json;
}

void BemariPlusLog::fromJson(const QJsonObject &json)
{
    BemariLog::fromJson(json);
    m_interval = json.value(QStringLiteral("interval")).toString();
}
