#pragma once

#include "Results.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// The results of one pump run: header page 1 (label, sampler type, times,
// flow set-point, flow checks, volume, backpressure) and the flow and
// backpressure statistics that the run sets over its samples. A number the
// pump left empty, and a statistic over no samples, is NaN.
class TolvarResults : public Results
{
    Q_OBJECT

public:
    TolvarResults();

    // Header page 1 as the header read hands it over ("+VFXPHDR: " and the
    // fields). 0 read; -1 another page or too few fields (nothing changed).
    int parseHeader(QByteArray reply);
    // Reads a "results" object as toJson writes it (a data file).
    void fromJson(const QJsonObject &json);

    // The duration and the pause as "hh:mm:ss".
    QString durationStr() const;
    QString pauseStr() const;

    QString label() const { return m_label; }
    void setLabel(const QString &value) { m_label = value; }
    QString sampleTime() const { return m_sampleTime; }
    void setSampleTime(const QString &value) { m_sampleTime = value; }
    QString pause() const { return m_pause; }
    void setPause(const QString &value) { m_pause = value; }
    QString duration() const { return m_duration; }
    void setDuration(const QString &value) { m_duration = value; }
    QDateTime startTime() const { return m_startTime; }
    void setStartTime(const QDateTime &value) { m_startTime = value; }
    QDateTime stopTime() const { return m_stopTime; }
    void setStopTime(const QDateTime &value) { m_stopTime = value; }
    QString samplerTypeLabel() const { return m_samplerTypeLabel; }
    void setSamplerTypeLabel(const QString &value) { m_samplerTypeLabel = value; }
    QString timeSet() const { return m_timeSet; }
    void setTimeSet(const QString &value) { m_timeSet = value; }
    double backpressure() const { return m_backpressure; }
    void setBackpressure(double value) { m_backpressure = value; }
    double flowSet() const { return m_flowSet; }
    void setFlowSet(double value) { m_flowSet = value; }
    QString flowPreCheck() const { return m_flowPreCheck; }
    void setFlowPreCheck(const QString &value) { m_flowPreCheck = value; }
    QString flowPosCheck() const { return m_flowPosCheck; }
    void setFlowPosCheck(const QString &value) { m_flowPosCheck = value; }
    double flowVolume() const { return m_flowVolume; }
    void setFlowVolume(double value) { m_flowVolume = value; }
    double flowAvg() const { return m_flowAvg; }
    void setFlowAvg(double value) { m_flowAvg = value; }
    double flowMin() const { return m_flowMin; }
    void setFlowMin(double value) { m_flowMin = value; }
    double flowMax() const { return m_flowMax; }
    void setFlowMax(double value) { m_flowMax = value; }
    double backpressureAvg() const { return m_backpressureAvg; }
    void setBackpressureAvg(double value) { m_backpressureAvg = value; }
    double backpressureMin() const { return m_backpressureMin; }
    void setBackpressureMin(double value) { m_backpressureMin = value; }
    double backpressureMax() const { return m_backpressureMax; }
    void setBackpressureMax(double value) { m_backpressureMax = value; }
    QDateTime preCheckTime() const { return m_preCheckTime; }
    void setPreCheckTime(const QDateTime &value) { m_preCheckTime = value; }
    QDateTime posCheckTime() const { return m_posCheckTime; }
    void setPosCheckTime(const QDateTime &value) { m_posCheckTime = value; }

    // True when `flow` lies beyond 5 % of the flow set-point. A flow or a
    // set-point left empty is never beyond; a flow on a limit is within.
    bool flowBeyondLimits(double flow) const;
    // The limits of the flow, 5 % either side of the set-point (NaN when the
    // set-point was left empty).
    double flowUpperLimit() const { return m_flowSet * (1 + FlowTolerance); }
    double flowLowerLimit() const { return m_flowSet * (1 - FlowTolerance); }
    static constexpr double FlowTolerance = 0.05;

    // Whole seconds of sampling: the sample time plus the time from start to
    // stop. With a start or stop time missing, the sample time alone; never
    // negative.
    static qint64 runSeconds(const QString &sampleTime, const QDateTime &start,
                             const QDateTime &stop);

public slots:
    QJsonObject toJson() override;

protected:
    // The fields a model's page 1 holds after the volume, before the times.
    virtual int modelHeaderFields() const { return 0; }
    // Reads those fields; `fields` holds the whole page.
    virtual void readModelHeaderFields(const QStringList &fields) { Q_UNUSED(fields) }
    virtual void writeModelJson(QJsonObject &json) const { Q_UNUSED(json) }
    virtual void readModelJson(const QJsonObject &json) { Q_UNUSED(json) }

private:
    QString m_label;
    QString m_sampleTime;
    QString m_pause;
    QString m_duration;
    QDateTime m_startTime;
    QDateTime m_stopTime;
    QString m_samplerTypeLabel;
    QString m_timeSet;
    double m_backpressure;
    double m_flowSet;
    QString m_flowPreCheck;
    QString m_flowPosCheck;
    double m_flowVolume;
    double m_flowAvg;
    double m_flowMin;
    double m_flowMax;
    double m_backpressureAvg;
    double m_backpressureMin;
    double m_backpressureMax;
    QDateTime m_preCheckTime;
    QDateTime m_posCheckTime;
};
