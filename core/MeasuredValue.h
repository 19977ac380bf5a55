#pragma once

#include <QJsonValue>
#include <QString>

// A measured number that the instrument may leave empty. An empty value is
// kept as NaN: it is shown and printed as "---" and left out of charts and
// statistics, never taken as 0. In JSON it is null.
class MeasuredValue
{
public:
    // An instrument field: decimal text with "." as the decimal point. An
    // empty field or "---" is an empty value; other text that is no number
    // reads as 0.
    static double fromText(const QString &text);
    // The value as JSON: null when it is not finite (empty, or a statistic
    // over no samples).
    static QJsonValue toJson(double value);
    // Reads what toJson wrote: a number, or null as an empty value. Anything
    // else (absent, text) reads as 0.
    static double fromJson(const QJsonValue &value);
    static double empty();
};
