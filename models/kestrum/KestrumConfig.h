#pragma once

#include "DeviceConfig.h"

#include <QByteArray>
#include <QString>

// The measurement configuration of a heat-stress monitor: the temperature unit
// as shown ("°C" or "°F") and the sample interval as "mm:ss". The instrument
// reports the unit as its letter and the interval in seconds.
class KestrumConfig : public DeviceConfig
{
    Q_OBJECT

public:
    QString productName() const { return m_productName; }
    QString unity() const { return m_unity; }
    void setUnity(const QString &unity) { m_unity = unity; }
    QString sampleTime() const { return m_sampleTime; }
    void setSampleTime(const QString &sampleTime) { m_sampleTime = sampleTime; }

    // "°" and the reply without its double quotes.
    void setUnityFromReply(const QByteArray &reply);
    // The reply's count of seconds as "mm:ss" (no number: "00:00").
    void setSampleTimeFromReply(const QByteArray &reply);

    // The unit letter the instrument takes ("C" or "F"); empty for any other
    // unit, which must not be sent.
    QString unitLetter() const;
    // The interval in seconds; -1 when it is no "mm:ss" of at least 1 s.
    int intervalSeconds() const;

    // The units the instruments know, as shown.
    static bool isKnownUnity(const QString &unity);

public slots:
    // {"productName", "unity", "sampleTime"}
    QJsonObject toJson() override;
    // 0 read. -1 (nothing changed) for text that is no JSON object, a unit
    // other than "°C" and "°F", or an interval that is no minutes ":" seconds
    // (00-59) of at least 1 s.
    int fromJson(QString json) override;

protected:
    explicit KestrumConfig(const QString &productName);

private:
    QString m_productName;
    QString m_unity;
    QString m_sampleTime;
};
