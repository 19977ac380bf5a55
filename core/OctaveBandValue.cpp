#include "OctaveBandValue.h"

OctaveBandValue::OctaveBandValue(const QString &valueKey, QObject *parent)
    : QObject(parent)
    , m_valueKey(valueKey)
{
}

QJsonObject OctaveBandValue::toJson() const
{
    return {{QStringLiteral("freqIdx"), m_freqIdx},
            {QStringLiteral("frequency"), m_frequency},
            {m_valueKey, m_value}};
}

void OctaveBandValue::fromJson(const QJsonObject &json)
{
    m_freqIdx = json.value(QStringLiteral("freqIdx")).toString();
    m_frequency = json.value(QStringLiteral("frequency")).toString();
    m_value = json.value(m_valueKey).toString();
}
