#include "BemariLog.h"

#include "DeviceDateTime.h"

BemariLog::BemariLog(QObject *parent)
    : Log(parent)
{
}

int BemariLog::parseRecord(QByteArray record)
{
    const QStringList fields = readRecordFields(record, RecordFields, TextEncoding::Utf8);
    if (fields.isEmpty())
        return 1;
    m_level = fields.at(5).isEmpty() ? QStringLiteral("---") : fields.at(5);
    readMoreFields(fields);
    return 0;
}

void BemariLog::readMoreFields(const QStringList &) {}

QJsonObject BemariLog::toJson()
{
    return {{QStringLiteral("date"), formatDeviceDateTime(registerDate())},
            {QStringLiteral("level"), m_level}};
}

void BemariLog::fromJson(const QJsonObject &json)
{
    setRegisterDate(parseDeviceDateTime(json.value(QStringLiteral("date")).toString()));
    m_level = json.value(QStringLiteral("level")).toString();
}
