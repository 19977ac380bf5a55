#include "RumoLog.h"

#include "DeviceDateTime.h"

#include <QJsonArray>

namespace {

const int kLineFields = 6;

// The fields of one record line without its prefix, quotes and line feed.
QStringList lineFields(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes).split(QLatin1Char(','));
}

} // namespace

RumoLog::RumoLog(QObject *parent)
    : Log(parent)
{
}

int RumoLog::announcedValues(QByteArray line)
{
    const QStringList fields = lineFields(recordBytes(line));
    return fields.size() < kLineFields ? -1 : fields.at(3).toInt();
}

int RumoLog::parseRecord(QByteArray record)
{
    const QStringList fields = lineFields(recordBytes(record));
    if (fields.size() < kLineFields)
        return 1;
    if (fields.at(4).toInt() == 0) {
        // A date line without its time field gives no date.
        const QString time = fields.value(6);
        setRegisterDate(parseDeviceDateTime(fields.at(5) + QLatin1Char(',') + time));
    } else {
        m_values.append(fields.at(5));
    }
    return 0;
}

QJsonObject RumoLog::toJson()
{
    return {{QStringLiteral("date"), formatDeviceDateTime(registerDate())},
            {QStringLiteral("physicalQuantitiesList"), QJsonArray::fromStringList(m_values)}};
}

void RumoLog::fromJson(const QJsonObject &json)
{
    setRegisterDate(parseDeviceDateTime(json.value(QStringLiteral("date")).toString()));
    m_values.clear();
    const QJsonArray values = json.value(QStringLiteral("physicalQuantitiesList")).toArray();
    for (const QJsonValue &value : values)
        m_values.append(value.toString());
}
