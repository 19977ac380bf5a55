#include "Kestrum4WbgtMean.h"

#include "JsonNumber.h"

QJsonObject Kestrum4WbgtMean::toJson() const
{
    return {{QStringLiteral("WBGTiMed"), numberOrNull(m_wbgtiMed)},
            {QStringLiteral("WBGToMed"), numberOrNull(m_wbgtoMed)}};
}

Kestrum4WbgtMean Kestrum4WbgtMean::fromJson(const QJsonObject &json)
{
    Kestrum4WbgtMean record;
    record.m_wbgtiMed = numberOrNan(json.value(QStringLiteral("WBGTiMed")));
    record.m_wbgtoMed = numberOrNan(json.value(QStringLiteral("WBGToMed")));
    return record;
}
