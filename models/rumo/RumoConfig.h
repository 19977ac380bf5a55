#pragma once

#include "DeviceConfig.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// The measurement configuration of a "RUMO" logger: its sample interval, kept
// as the configuration window shows it, "mm:ss".
class RumoConfig : public DeviceConfig
{
    Q_OBJECT

public:
    explicit RumoConfig(QObject *parent = nullptr);

    QString sampleTime() const { return m_sampleTime; }
    void setSampleTime(const QString &time) { m_sampleTime = time; }
    // Sets the interval from the instrument's count of seconds (a text that
    // is not a number counts as 0 s).
    void setSampleTimeSeconds(const QByteArray &seconds);

    // The seconds of an interval the instrument takes: "mm:ss" with both
    // parts from 00 to 59 and at least one second in all; -1 for any other
    // text.
    static int intervalSeconds(const QString &sampleTime);

public slots:
    // {"productName": "RUMO", "sampleTime": "mm:ss"}
    QJsonObject toJson() override;
    // 0 taken ("sampleTime" as given, empty when missing); -1 when the text
    // is not a JSON object (nothing changed).
    int fromJson(QString json) override;

private:
    QString m_sampleTime;
};
