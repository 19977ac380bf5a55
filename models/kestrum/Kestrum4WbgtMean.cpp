#include "Kestrum4WbgtMean.h"

#include "MeasuredValue.h"

QJsonObject Kestrum4WbgtMean::toJson() const
{
    return {{QStringLiteral("WBGTiMed"), MeasuredValue::toJson(m_wbgtiMed)},
            {QStringLiteral("WBGToMed"), MeasuredValue::toJson(m_wbgtoMed)}};
}

Kestrum4WbgtMean Kestrum4WbgtMean::fromJson(const QJsonObject &json)
{
    Kestrum4WbgtMean record;
    record.m_wbgtiMed = MeasuredValue::fromJson(json.value(QStringLiteral("WBGTiMed")));
    record.m_wbgtoMed = MeasuredValue::fromJson(json.value(QStringLiteral("WBGToMed")));
    return record;
}
