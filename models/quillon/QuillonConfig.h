#pragma once

#include "DeviceConfig.h"

#include <QString>

// The one measurement setting of the "QUILLON": its sample interval, held as
// "mm:ss" (more minute digits from 100 minutes on) while the instrument
// takes and reports seconds.
class QuillonConfig : public DeviceConfig
{
    Q_OBJECT

public:
    explicit QuillonConfig(QObject *parent = nullptr);

    QString sampleTime() const { return m_sampleTime; }
    void setSampleTime(const QString &text) { m_sampleTime = text; }
    // From the interval in seconds as the instrument sends it; a text that
    // is not a number counts as 0 s.
    void setSampleTimeSeconds(const QString &seconds);

public slots:
    // {"productName": "QUILLON", "sampleTime": "mm:ss"}
    QJsonObject toJson() override;
    // Takes "sampleTime" (empty when missing): 0, or -1 for a text that is
    // not a JSON object (the held text stays).
    int fromJson(QString json) override;

private:
    QString m_sampleTime;
};
