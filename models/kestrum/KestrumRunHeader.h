#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

// What both heat-stress monitors report about a run as a whole: its unit,
// sample interval, duration, pause and start and stop. A value the instrument
// left out is not available: -1 for the interval, "---" for a text, an invalid
// date-time.
struct KestrumRunHeader
{
    QString unity;
    int sampleTime = -1; // seconds
    QString duration;    // "hh:mm:ss"
    QString pauseTime;   // "hh:mm:ss"
    QDateTime startTime;
    QDateTime stopTime;

    // Adds "unity", "sampleTime" (a number, null when not available),
    // "duration", "pauseTime", "startTime" and "stopTime" (device date-times).
    void writeJson(QJsonObject &json) const;
    void readJson(const QJsonObject &json);
};
