#include "Kestrum4MaxMinTemperatures.h"

#include "MeasuredValue.h"

QJsonObject Kestrum4MaxMinTemperatures::toJson() const
{
    return {{QStringLiteral("dryTMax"), MeasuredValue::toJson(m_dryTMax)},
            {QStringLiteral("dryTMin"), MeasuredValue::toJson(m_dryTMin)},
            {QStringLiteral("wetTMax"), MeasuredValue::toJson(m_wetTMax)},
            {QStringLiteral("wetTMin"), MeasuredValue::toJson(m_wetTMin)},
            {QStringLiteral("globeTMax"), MeasuredValue::toJson(m_globeTMax)},
            {QStringLiteral("globeTMin"), MeasuredValue::toJson(m_globeTMin)}};
}

Kestrum4MaxMinTemperatures Kestrum4MaxMinTemperatures::fromJson(const QJsonObject &json)
{
    Kestrum4MaxMinTemperatures record;
    record.m_dryTMax = MeasuredValue::fromJson(json.value(QStringLiteral("dryTMax")));
    record.m_dryTMin = MeasuredValue::fromJson(json.value(QStringLiteral("dryTMin")));
    record.m_wetTMax = MeasuredValue::fromJson(json.value(QStringLiteral("wetTMax")));
    record.m_wetTMin = MeasuredValue::fromJson(json.value(QStringLiteral("wetTMin")));
    record.m_globeTMax = MeasuredValue::fromJson(json.value(QStringLiteral("globeTMax")));
    record.m_globeTMin = MeasuredValue::fromJson(json.value(QStringLiteral("globeTMin")));
    return record;
}
