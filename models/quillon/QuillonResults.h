#pragma once

#include "AmrPerOctave.h"
#include "QuillonExposure.h"
#include "Results.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <array>

// The results of one vibration run as the instrument reports them in its
// header sections 1 to 5 and 7 (configuration and times, the accelerations,
// VDV and crest factors of each axis, the values, maxima and minima per time
// weighting, the sensor and the band values), the common page 8, the user's
// switch between the a_rep and the am values, and the run's exposure time
// with its VDV scaled to it.
//
// The daily exposure combines every opened run, so its ten values and the
// working hours are held once for the whole program and read through any
// run's results. Every new results record (a download, an opened file) sets
// them back to "not combined" (NaN) and "08:00", so that a new chain never
// shows the values of an earlier one.
//
// Values stay the texts the instrument sent; "---" stands for a value it left
// empty, "----" for a per-weighting value no section gave. The band values
// are owned.
class QuillonResults : public Results
{
    Q_OBJECT

public:
    enum Axis
    {
        AxisX,
        AxisY,
        AxisZ
    };
    static constexpr int AxisCount = 3;
    // In the order of the groups of header section 4.
    enum TimeWeighting
    {
        WeightingF,
        WeightingS,
        WeightingL
    };
    static constexpr int WeightingCount = 3;

    // One axis under one time weighting: "aXF", "aMaxXF", "aMinXF" and
    // "maxXFTime" for axis X, weighting F.
    struct WeightedLevel
    {
        QString value = QStringLiteral("----");
        QString maximum = QStringLiteral("----");
        QString minimum = QStringLiteral("----");
        QDateTime maximumTime;
    };

    // The values of one axis; the JSON key is the name in brackets followed
    // by the axis letter ("vdvX").
    struct AxisValues
    {
        QString freqWeighting; // "freqWeighting"
        QString factor;        // "f", the multiplication factor
        QString vdv;           // "vdv"
        QString crestFactor;   // "fc"
        QString maximum;       // "aMax"
        QString minimum;       // "aMin"
        QString peak;          // "ap"
        QString am;            // "am"
        QString arep;          // "arep"
        QString sensitivity;   // "sensitivity", mV/g
        std::array<WeightedLevel, WeightingCount> weighted;
        // The run's VDV scaled to its exposure time ("vdvXexpi"); NaN when it
        // cannot be worked out.
        double vdvExposure = 0;
    };

    // The daily exposure over the opened runs ("a8x", "vdvXexp", "vdvR",
    // "are", "aren", "fc"); NaN until combined.
    using DailyValues = QuillonExposure::Daily;

    QuillonResults();
    ~QuillonResults() override;

    static QChar axisLetter(Axis axis);
    static QChar weightingLetter(TimeWeighting weighting);

    // Header sections as the device leaves them: each "+VFXPHDR: " line, the
    // final OK turned into "\n". 0 taken, -1 refused (nothing changed, except
    // that a refused band section keeps the bands it read).
    int parseHeaderSection1(QByteArray reply);
    int parseHeaderSection2(QByteArray reply);
    int parseHeaderSection3(QByteArray reply);
    int parseHeaderSection4(QByteArray reply);
    int parseHeaderSection5(QByteArray reply);
    int parseHeaderSection7(QByteArray reply);

    // Reads a "results" object as toJson writes it (a data file): the
    // record's own values as stored. The exposure time, the switch and the
    // daily values are not read: they come back from a new combination.
    void fromJson(const QJsonObject &json);

    const AxisValues &axis(Axis axis) const { return m_axes[axis]; }
    AxisValues &axis(Axis axis) { return m_axes[axis]; }
    QList<AmrPerOctave *> bands(Axis axis) const { return m_bands[axis]; }
    // Takes ownership; the bands held before and not in the new list are
    // deleted.
    void setBands(Axis axis, const QList<AmrPerOctave *> &bands);

    QString label() const { return m_label; }
    void setLabel(const QString &v) { m_label = v; }
    QDateTime startTime() const { return m_startTime; }
    void setStartTime(const QDateTime &v) { m_startTime = v; }
    QDateTime stopTime() const { return m_stopTime; }
    void setStopTime(const QDateTime &v) { m_stopTime = v; }
    QString sampleTime() const { return m_sampleTime; }
    void setSampleTime(const QString &v) { m_sampleTime = v; }
    // The run's length in whole seconds.
    QString duration() const { return m_duration; }
    void setDuration(const QString &v) { m_duration = v; }
    // The duration as "hh:mm:ss" (hours past 24 kept), "---" when it is not
    // a number.
    QString durationStr() const { return durationOrAbsent(m_duration); }
    QString pauseTime() const { return m_pauseTime; }
    void setPauseTime(const QString &v) { m_pauseTime = v; }
    // The run's total time in seconds.
    double totalTime() const { return m_totalTime; }
    void setTotalTime(double v) { m_totalTime = v; }
    QString timeWeighting() const { return m_timeWeighting; }
    void setTimeWeighting(const QString &v) { m_timeWeighting = v; }
    // "1/1" octave bands, anything else third-octave bands.
    QString octaveAnalysis() const { return m_octaveAnalysis; }
    void setOctaveAnalysis(const QString &v) { m_octaveAnalysis = v; }
    QString evaluationType() const { return m_evaluationType; }
    void setEvaluationType(const QString &v) { m_evaluationType = v; }
    QString profile() const { return m_profile; }
    void setProfile(const QString &v) { m_profile = v; }
    // The exposure time the instrument recorded with the run, in seconds.
    QString exposeTimeFromExp() const { return m_exposeTimeFromExp; }
    void setExposeTimeFromExp(const QString &v) { m_exposeTimeFromExp = v; }
    QString arep() const { return m_arep; }
    void setArep(const QString &v) { m_arep = v; }
    QString amrGlobal() const { return m_amrGlobal; }
    void setAmrGlobal(const QString &v) { m_amrGlobal = v; }
    QString numFreq() const { return m_numFreq; }
    void setNumFreq(const QString &v) { m_numFreq = v; }
    QString sensorLabel() const { return m_sensorLabel; }
    void setSensorLabel(const QString &v) { m_sensorLabel = v; }
    QString sensorSN() const { return m_sensorSN; }
    void setSensorSN(const QString &v) { m_sensorSN = v; }
    // The exposure time the user gave the run, "hh:mm"; empty until then.
    QString exposureTime() const { return m_exposureTime; }
    // True when the a_rep values stand for the run in the daily exposure,
    // false for the am values.
    bool bArepEvaluation() const { return m_bArepEvaluation; }
    void setBArepEvaluation(bool v) { m_bArepEvaluation = v; }

    // The working hours of the daily exposure, "hh:mm".
    static QString workingHours() { return s_workingHours; }
    static DailyValues daily() { return s_daily; }

public slots:
    QJsonObject toJson() override;
    // {"workingHours": "hh:mm"} rescales `are` to the new working hours: 0.
    // -1 for a text that is not a JSON object, or hours that are not "hh:mm"
    // or come to 00:00; then nothing changes.
    int refreshWorkingHours(QString json) override;
    // {"exposureTime": "hh:mm"}: the run's exposure time, and its VDV scaled
    // to it. -1 for a time that is not "hh:mm" (nothing changes) or for a
    // run without a total time (its scaled VDV is then not available).
    int refreshExposureComponent(QJsonObject component) override;
    // {"datatype": "updateAvORArep", "arep": bool} sets the switch: 0; any
    // other object changes nothing: -1.
    int refreshGeneralData(QJsonObject data) override;
    // The day over every run of `run`'s chain: 0; -1 without a run.
    int applyExposureComponents(Experiment *run) override;

private:
    using TextMember = QString QuillonResults::*;
    using AxisMember = QString AxisValues::*;
    using WeightedMember = QString WeightedLevel::*;
    struct TextKey
    {
        const char *key;
        TextMember member;
    };
    struct AxisKey
    {
        const char *prefix;
        AxisMember member;
    };
    struct WeightedKey
    {
        const char *prefix;
        WeightedMember member;
    };
    // The JSON keys of the record's own texts, written and read back.
    static const QList<TextKey> &textKeys();
    static const QList<AxisKey> &axisKeys();
    static const QList<WeightedKey> &weightedKeys();
    static QString axisKey(const char *prefix, int axis);
    static QString weightedKey(const char *prefix, int axis, int weighting);
    static QString maximumTimeKey(int axis, int weighting);

    static void resetDailyValues();
    // What this run brings to the day.
    QuillonExposure::Component exposureComponent() const;

    std::array<AxisValues, AxisCount> m_axes;
    std::array<QList<AmrPerOctave *>, AxisCount> m_bands;
    QString m_label;
    QDateTime m_startTime;
    QDateTime m_stopTime;
    QString m_sampleTime;
    QString m_duration;
    QString m_pauseTime;
    double m_totalTime = 0;
    QString m_timeWeighting;
    QString m_octaveAnalysis = QStringLiteral("1/1");
    QString m_evaluationType;
    QString m_profile;
    QString m_exposeTimeFromExp = QStringLiteral("0");
    QString m_arep;
    QString m_amrGlobal;
    QString m_numFreq;
    QString m_sensorLabel;
    QString m_sensorSN;
    QString m_exposureTime;
    bool m_bArepEvaluation = false;

    static QString s_workingHours;
    static DailyValues s_daily;
};
