#include "Tolvar4Results.h"

namespace {

const int kStatusField = 12;
const QString kStatusKey = QStringLiteral("expStatus");

} // namespace

Tolvar4Results::Tolvar4Results() = default;

void Tolvar4Results::readModelHeaderFields(const QStringList &fields)
{
    m_expStatus = fields.at(kStatusField);
}

void Tolvar4Results::writeModelJson(QJsonObject &json) const
{
    json.insert(kStatusKey, m_expStatus);
}

void Tolvar4Results::readModelJson(const QJsonObject &json)
{
    m_expStatus = json.value(kStatusKey).toString();
}
