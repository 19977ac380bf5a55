#include "Kestrum4EnvironmentalFactors.h"

#include "JsonShape.h"

QJsonObject Kestrum4EnvironmentalFactors::toJson() const
{
    // A run holds one of these per board and sample.
    static const JsonShape shape({QStringLiteral("dryTemperature"),
                                  QStringLiteral("wetTemperature"),
                                  QStringLiteral("globeTemperature"), QStringLiteral("WBGTo"),
                                  QStringLiteral("WBGTi"), QStringLiteral("airVelocity"),
                                  QStringLiteral("waterLevel"), QStringLiteral("tiltStatus")});
    return shape.object({m_dryTemperature, m_wetTemperature, m_globeTemperature, m_wbgto, m_wbgti,
                         m_airVelocity, m_waterLevel, m_tiltStatus});
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
