#pragma once

#include "DeviceConfig.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// The measurement configuration of one "DRAVO 2" noise dosimeter: weightings,
// octave-band mode, run duration, the three levels of the dose criterion, and
// the instrument's schedule switch and schedule limit.
//
// Values are kept as the instrument reports them. Only values from the fixed
// sets the configuration window offers (and numbers as numbers) are ever sent
// back: `isWritable` tells whether a record may be written, and `fromJson`
// refuses a window text that does not hold such values.
class Dravo2Config : public DeviceConfig
{
    Q_OBJECT

public:
    // The schedule limit an instrument is assumed to have until it says.
    static constexpr int DefaultScheduleMaxTime = DeviceConfig::DefaultMaxExperimentDuration;

    struct LevelRange
    {
        int minimum;
        int maximum;
        bool contains(int value) const { return value >= minimum && value <= maximum; }
    };
    static constexpr LevelRange ActionLevelRange{0, 100};
    static constexpr LevelRange CriterionLevelRange{50, 100};
    static constexpr LevelRange ExchangeRateRange{3, 6};

    static const QStringList &timeWeightings();
    static const QStringList &frequencyWeightings();
    static const QStringList &octaveAnalyses();

    explicit Dravo2Config(QObject *parent = nullptr);

    QString timeWeighting() const { return m_timeWeighting; }
    void setTimeWeighting(const QString &weighting) { m_timeWeighting = weighting; }
    QString frequencyWeighting() const { return m_frequencyWeighting; }
    void setFrequencyWeighting(const QString &weighting) { m_frequencyWeighting = weighting; }
    QString octaveAnalysis() const { return m_octaveAnalysis; }
    void setOctaveAnalysis(const QString &analysis) { m_octaveAnalysis = analysis; }
    // Hours and minutes, "hh:mm" (hours may have more than two digits).
    QString experimentDuration() const { return m_experimentDuration; }
    void setExperimentDuration(const QString &duration) { m_experimentDuration = duration; }
    int actionLevel() const { return m_actionLevel; }
    void setActionLevel(int level) { m_actionLevel = level; }
    int criterionLevel() const { return m_criterionLevel; }
    void setCriterionLevel(int level) { m_criterionLevel = level; }
    int exchangeRate() const { return m_exchangeRate; }
    void setExchangeRate(int rate) { m_exchangeRate = rate; }
    // The longest run the instrument accepts in a schedule, in seconds.
    int scheduleMaxTime() const { return m_scheduleMaxTime; }
    void setScheduleMaxTime(int seconds) { m_scheduleMaxTime = seconds; }
    bool scheduleStatus() const { return m_scheduleStatus; }
    void setScheduleStatus(bool on) { m_scheduleStatus = on; }

    // The reply parsers take the value after the echo prefix, without the
    // final OK. Each returns 0 when taken, -1 when refused (member unchanged).
    int setExperimentDurationFromReply(const QByteArray &seconds);
    int setScheduleStatusFromReply(const QByteArray &record);
    int setScheduleMaxTimeFromReply(const QByteArray &record);

    // A decimal integer and nothing else, as the instrument sends numbers: a
    // value it garbled must not pass as 0.
    static bool replyInteger(const QByteArray &text, int *value);

    // "hh:mm" to seconds; -1 when the text is not hours, a colon and two
    // minute digits.
    static int durationSeconds(const QString &duration);
    // Seconds to "hh:mm"; the seconds below a whole minute are dropped.
    static QString durationText(int seconds);

    // Every setting from its fixed set; the octave mode only counts when the
    // instrument has octave analysis.
    bool isWritable(bool withOctave) const;

public slots:
    QJsonObject toJson() override;
    // 0 taken; -1 when the text is not a JSON object or holds a value outside
    // the fixed sets (nothing changed). The schedule limit is the instrument's
    // and is kept.
    int fromJson(QString json) override;
    int maxExperimentDuration() override { return m_scheduleMaxTime; }

private:
    QString m_timeWeighting;
    QString m_frequencyWeighting;
    QString m_octaveAnalysis;
    QString m_experimentDuration;
    int m_actionLevel = 0;
    int m_criterionLevel = 0;
    int m_exchangeRate = 0;
    int m_scheduleMaxTime = 0;
    bool m_scheduleStatus = false;
};
