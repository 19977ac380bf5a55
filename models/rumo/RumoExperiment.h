#pragma once

#include "NamedExperiment.h"

#include <QString>

// One run of a "RUMO" logger: its run-list entry (name, then sensor type and
// gas), and once downloaded or opened from a file, its samples and results.
//
// A sample spans several record lines: a date line that announces the number
// N of value lines that follow, then N lines of one value each.
class RumoExperiment : public NamedExperiment
{
    Q_OBJECT
    Q_PROPERTY(QString type READ type WRITE setType NOTIFY experimentTypeChanged)
    Q_PROPERTY(QString subType READ subType WRITE setSubType NOTIFY experimentTypeChanged)

public:
    explicit RumoExperiment(QObject *parent = nullptr);

    QString type() const { return m_type; }
    void setType(const QString &type);
    QString subType() const { return m_subType; }
    void setSubType(const QString &subType);

public slots:
    // Takes the run-list entry's date-time, size and index, and its name,
    // sensor type and gas, which the run's JSON and data file carry.
    void copyHeader(const Experiment *entry) override;
    // 0 all read; 1 a line of fewer than 6 fields, or a date line whose
    // count of value lines is negative or runs past the lines given (the
    // samples read before it stay).
    int parseRecords(QList<QByteArray> records) override;
    QJsonObject toJson() override;

signals:
    void experimentTypeChanged();

protected:
    // The list line adds the sensor type, and the gas of a gas sensor.
    int listEntryFields() const override { return 7; }
    void readListEntryFields(const QStringList &fields) override;

private:
    QString m_type;
    QString m_subType;
};
