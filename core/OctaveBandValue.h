#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>

// One octave band's value: the band index, its centre frequency and the value,
// all kept as the text the instrument sent. The JSON key of the value depends
// on the quantity ("leq" for sound, "amr" for vibration).
class OctaveBandValue : public QObject
{
    Q_OBJECT

public:
    QString freqIdx() const { return m_freqIdx; }
    void setFreqIdx(const QString &value) { m_freqIdx = value; }
    QString frequency() const { return m_frequency; }
    void setFrequency(const QString &value) { m_frequency = value; }

    // {"freqIdx", "frequency", <value key>}, all strings, in this order.
    QJsonObject toJson() const;
    void fromJson(const QJsonObject &json);

protected:
    OctaveBandValue(const QString &valueKey, QObject *parent);
    QString value() const { return m_value; }
    void setValue(const QString &value) { m_value = value; }

private:
    QString m_valueKey;
    QString m_freqIdx;
    QString m_frequency;
    QString m_value;
};
