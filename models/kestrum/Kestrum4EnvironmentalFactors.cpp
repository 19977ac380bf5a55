#include "Kestrum4EnvironmentalFactors.h"

QJsonObject Kestrum4EnvironmentalFactors::toJson() const
{
    return {{QStringLiteral("dryTemperature"), m_dryTemperature},
            {QStringLiteral("wetTemperature"), m_wetTemperature},
            {QStringLiteral("globeTemperature"), m_globeTemperature},
            {QStringLiteral("WBGTo"), m_wbgto},
            {QStringLiteral("WBGTi"), m_wbgti},
            {QStringLiteral("airVelocity"), m_airVelocity},
            {QStringLiteral("waterLevel"), m_waterLevel},
            {QStringLiteral("tiltStatus"), m_tiltStatus}};
}

Kestrum4EnvironmentalFactors Kestrum4EnvironmentalFactors::fromJson(const QJsonObject &json)
{
    Kestrum4EnvironmentalFactors record;
    record.m_dryTemperature = json.value(QStringLiteral("dryTemperature")).toString();
    record.m_wetTemperature = json.value(QStringLiteral("wetTemperature")).toString();
    record.m_globeTemperature = json.value(QStringLiteral("globeTemperature")).toString();
    record.m_wbgti = json.value(QStringLiteral("WBGTi")).toString();
    record.m_wbgto = json.value(QStringLiteral("WBGTo")).toString();
    record.m_airVelocity = json.value(QStringLiteral("airVelocity")).toString();
    record.m_waterLevel = json.value(QStringLiteral("waterLevel")).toInt();
    record.m_tiltStatus = json.value(QStringLiteral("tiltStatus")).toInt();
    return record;
}
