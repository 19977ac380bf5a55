#include "JsonNumber.h"

#include <cmath>
#include <limits>

QJsonValue numberOrNull(double value)
{
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

double numberOrNan(const QJsonValue &value)
{
    return value.isDouble() ? value.toDouble() : std::numeric_limits<double>::quiet_NaN();
}
