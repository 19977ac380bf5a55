#pragma once

#include "DeviceConfig.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

// The three measurement settings of a sound level meter: time weighting,
// frequency weighting and octave analysis, each one of a fixed set of texts
// that the instrument, the configuration window and the report compare
// case-sensitively. A value read from the instrument is kept as it came; only
// values of the sets are taken from the window and written.
class SoundLevelConfig : public DeviceConfig
{
    Q_OBJECT

public:
    static const QStringList &timeWeightings();      // "Slow", "Fast", "Impulse"
    static const QStringList &frequencyWeightings(); // "A", "C", "Z"
    static const QStringList &octaveAnalyses();      // "1/1", "1/3"

    QString productName() const { return m_productName; }
    QString timeWeighting() const { return m_timeWeighting; }
    void setTimeWeighting(const QString &v) { m_timeWeighting = v; }
    QString frequencyWeighting() const { return m_frequencyWeighting; }
    void setFrequencyWeighting(const QString &v) { m_frequencyWeighting = v; }
    QString octaveAnalysis() const { return m_octaveAnalysis; }
    void setOctaveAnalysis(const QString &v) { m_octaveAnalysis = v; }

public slots:
    // {"productName", "timeWeighting", "frequencyWeighting", "octaveAnalysis"}.
    QJsonObject toJson() override;
    // 0 taken; -1 (nothing changed) for a text that is not a JSON object or
    // whose three settings are not all of their sets. "productName" is not
    // read.
    int fromJson(QString json) override;

protected:
    explicit SoundLevelConfig(const QString &productName, QObject *parent = nullptr);

private:
    QString m_productName;
    QString m_timeWeighting;
    QString m_frequencyWeighting;
    QString m_octaveAnalysis;
};
