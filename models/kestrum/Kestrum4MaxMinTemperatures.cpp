#include "Kestrum4MaxMinTemperatures.h"

#include "JsonNumber.h"

QJsonObject Kestrum4MaxMinTemperatures::toJson() const
{
    return {{QStringLiteral("dryTMax"), numberOrNull(m_dryTMax)},
            {QStringLiteral("dryTMin"), numberOrNull(m_dryTMin)},
            {QStringLiteral("wetTMax"), numberOrNull(m_wetTMax)},
            {QStringLiteral("wetTMin"), numberOrNull(m_wetTMin)},
            {QStringLiteral("globeTMax"), numberOrNull(m_globeTMax)},
            {QStringLiteral("globeTMin"), numberOrNull(m_globeTMin)}};
}

Kestrum4MaxMinTemperatures Kestrum4MaxMinTemperatures::fromJson(const QJsonObject &json)
{
    Kestrum4MaxMinTemperatures record;
    record.m_dryTMax = numberOrNan(json.value(QStringLiteral("dryTMax")));
    record.m_dryTMin = numberOrNan(json.value(QStringLiteral("dryTMin")));
    record.m_wetTMax = numberOrNan(json.value(QStringLiteral("wetTMax")));
    record.m_wetTMin = numberOrNan(json.value(QStringLiteral("wetTMin")));
    record.m_globeTMax = numberOrNan(json.value(QStringLiteral("globeTMax")));
    record.m_globeTMin = numberOrNan(json.value(QStringLiteral("globeTMin")));
    return record;
}
