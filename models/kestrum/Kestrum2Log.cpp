#include "Kestrum2Log.h"

#include "DeviceDateTime.h"

namespace {

constexpr int kRecordFields = 10;

} // namespace

Kestrum2Log::Kestrum2Log(QObject *parent)
    : Log(parent)
{
}

int Kestrum2Log::parseRecord(QByteArray record)
{
    const QStringList fields = readRecordFields(record, kRecordFields);
    if (fields.isEmpty())
        return 1;
    m_wetTemperature = fields.at(5);
    m_dryTemperature = fields.at(6);
    m_globeTemperature = fields.at(7);
    m_ibutgi = fields.at(8);
    m_ibutge = fields.at(9);
    return 0;
}

QJsonObject Kestrum2Log::toJson()
{
    return {{QStringLiteral("date"), formatDeviceDateTime(registerDate())},
            {QStringLiteral("dryTemperature"), m_dryTemperature},
            {QStringLiteral("wetTemperature"), m_wetTemperature},
            {QStringLiteral("globeTemperature"), m_globeTemperature},
            {QStringLiteral("IBUTGe"), m_ibutge},
            {QStringLiteral("IBUTGi"), m_ibutgi}};
}

void Kestrum2Log::fromJson(const QJsonObject &json)
{
    setRegisterDate(parseDeviceDateTime(json.value(QStringLiteral("date")).toString()));
    m_dryTemperature = json.value(QStringLiteral("dryTemperature")).toString();
    m_wetTemperature = json.value(QStringLiteral("wetTemperature")).toString();
    m_globeTemperature = json.value(QStringLiteral("globeTemperature")).toString();
    m_ibutgi = json.value(QStringLiteral("IBUTGi")).toString();
    m_ibutge = json.value(QStringLiteral("IBUTGe")).toString();
}
