#include "MeasuredValue.h"

#include <cmath>
#include <limits>

double MeasuredValue::empty()
{
    return std::numeric_limits<double>::quiet_NaN();
}

double MeasuredValue::fromText(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed == QLatin1String("---"))
        return empty();
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    return ok ? value : 0.0;
}

QJsonValue MeasuredValue::toJson(double value)
{
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

double MeasuredValue::fromJson(const QJsonValue &value)
{
    if (value.isNull())
        return empty();
    return value.isDouble() ? value.toDouble() : 0.0;
}
