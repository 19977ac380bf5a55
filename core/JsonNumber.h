#pragma once

#include <QJsonValue>

// A measured value that may be missing (NaN) travels in JSON as null: Qt would
// keep a NaN inside a QJsonObject, where it never compares equal, and write it
// as null, which then reads back as 0.

// The number, or null when it is not finite.
QJsonValue numberOrNull(double value);
// The number, or NaN when the value is not a JSON number (null, missing, text).
double numberOrNan(const QJsonValue &value);
