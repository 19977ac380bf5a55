#include "KestrumRunHeader.h"

#include "DeviceDateTime.h"

void KestrumRunHeader::writeJson(QJsonObject &json) const
{
    json.insert(QStringLiteral("unity"), unity);
    json.insert(QStringLiteral("sampleTime"),
                sampleTime >= 0 ? QJsonValue(sampleTime) : QJsonValue(QJsonValue::Null));
    json.insert(QStringLiteral("duration"), duration);
    json.insert(QStringLiteral("pauseTime"), pauseTime);
    json.insert(QStringLiteral("startTime"), formatDeviceDateTime(startTime));
    json.insert(QStringLiteral("stopTime"), formatDeviceDateTime(stopTime));
}

void KestrumRunHeader::readJson(const QJsonObject &json)
{
    unity = json.value(QStringLiteral("unity")).toString();
    const QJsonValue interval = json.value(QStringLiteral("sampleTime"));
    sampleTime = interval.isDouble() ? interval.toInt(-1) : -1;
    duration = json.value(QStringLiteral("duration")).toString();
    pauseTime = json.value(QStringLiteral("pauseTime")).toString();
    startTime = parseDeviceDateTime(json.value(QStringLiteral("startTime")).toString());
    stopTime = parseDeviceDateTime(json.value(QStringLiteral("stopTime")).toString());
}
