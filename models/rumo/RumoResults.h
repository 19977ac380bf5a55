#pragma once

#include "Results.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

class PhysicalQuantityDescriptor;
class RumoExpData;

// What a logger run reports about itself in header pages 1 to 7: its name,
// times and sample interval, the fitted sensor, the quantities the sensor
// measured with the instrument's minimum, average and maximum of each, and the
// run's configuration and evaluation items.
//
// Entry i of the three statistics lists belongs to quantity i, as does value i
// of every sample. The lists of quantities and items own their objects.
class RumoResults : public Results
{
    Q_OBJECT

public:
    RumoResults();
    ~RumoResults() override;

    QString label() const { return m_label; }
    void setLabel(const QString &label) { m_label = label; }
    QString duration() const { return m_duration; }
    void setDuration(const QString &duration) { m_duration = duration; }
    QDateTime startTime() const { return m_startTime; }
    void setStartTime(const QDateTime &time) { m_startTime = time; }
    QDateTime stopTime() const { return m_stopTime; }
    void setStopTime(const QDateTime &time) { m_stopTime = time; }
    QString pauseTime() const { return m_pauseTime; }
    void setPauseTime(const QString &time) { m_pauseTime = time; }
    // Seconds.
    int sampleTime() const { return m_sampleTime; }
    void setSampleTime(int seconds) { m_sampleTime = seconds; }
    QString sensorSN() const { return m_sensorSN; }
    void setSensorSN(const QString &sn) { m_sensorSN = sn; }
    QString sensorCertificate() const { return m_sensorCertificate; }
    void setSensorCertificate(const QString &text) { m_sensorCertificate = text; }
    QDateTime sensorCalibrationDate() const { return m_sensorCalibrationDate; }
    void setSensorCalibrationDate(const QDateTime &date) { m_sensorCalibrationDate = date; }
    QString sensorType() const { return m_sensorType; }
    void setSensorType(const QString &type) { m_sensorType = type; }
    QString sensorSubType() const { return m_sensorSubType; }
    void setSensorSubType(const QString &type) { m_sensorSubType = type; }

    // The statistics as the instrument wrote them.
    QStringList averageList() const { return m_averageList; }
    void setAverageList(const QStringList &list) { m_averageList = list; }
    QStringList maxList() const { return m_maxList; }
    void setMaxList(const QStringList &list) { m_maxList = list; }
    QStringList minList() const { return m_minList; }
    void setMinList(const QStringList &list) { m_minList = list; }

    // The setters take ownership of the given objects and delete the ones
    // held before that the new list does not hold.
    QList<PhysicalQuantityDescriptor *> quantitiesInfoList() const { return m_quantities; }
    void setQuantitiesInfoList(const QList<PhysicalQuantityDescriptor *> &list);
    QList<RumoExpData *> configList() const { return m_configList; }
    void setConfigList(const QList<RumoExpData *> &list);
    QList<RumoExpData *> evaluationResultsList() const { return m_evaluationList; }
    void setEvaluationResultsList(const QList<RumoExpData *> &list);

    // The quantity at `index`, or null when the run has none there.
    const PhysicalQuantityDescriptor *quantity(int index) const;

    // The sensor's translated type (the gas for a "GAS" sensor); empty for
    // an unknown code.
    QString sensorTypeName() const;

    // One parser per header page, each given the page as "+VFXPHDR: " and
    // its fields (the lines of a page separated by "\r", the last ending in
    // "\n"). 0 read, -1 refused.
    //
    // Page 1: name, duration, start, stop, pause, interval, sensor type.
    int parseHeaderPart1(QByteArray reply);
    // Page 2: sensor serial number, certificate and calibration date.
    int parseHeaderPart2(QByteArray reply);
    // Pages 3 to 5, one line per quantity: averages; maxima and minima;
    // quantity codes and units. Each line announces the count; fewer lines
    // than announced refuse the page, and so does a page of lines of which
    // not one can be read.
    int parseHeaderPart3(QByteArray reply);
    int parseHeaderPart4(QByteArray reply);
    int parseHeaderPart5(QByteArray reply);
    // Pages 6 and 7: configuration and evaluation items. A malformed line ends
    // the list; only a page of lines of which not one can be read is refused.
    int parseHeaderPart6(QByteArray reply);
    int parseHeaderPart7(QByteArray reply);

    // Reads a "results" object as toJson writes it (a data file).
    void fromJson(const QJsonObject &json);

public slots:
    QJsonObject toJson() override;

private:
    QString m_label;
    QString m_duration;
    QDateTime m_startTime;
    QDateTime m_stopTime;
    QString m_pauseTime;
    int m_sampleTime = 0;
    QString m_sensorSN;
    QString m_sensorCertificate;
    QDateTime m_sensorCalibrationDate;
    QString m_sensorType;
    QString m_sensorSubType;
    QStringList m_averageList;
    QStringList m_maxList;
    QStringList m_minList;
    QList<PhysicalQuantityDescriptor *> m_quantities;
    QList<RumoExpData *> m_configList;
    QList<RumoExpData *> m_evaluationList;
};
