#pragma once

#include "Experiment.h"

#include <QString>

// One run of a "KESTRUM 4": a run-list entry with the run's name, and once
// downloaded or opened from a file, its samples and results.
class Kestrum4Experiment : public Experiment
{
    Q_OBJECT
    Q_PROPERTY(QString exp_Name READ exp_Name WRITE setExp_Name NOTIFY experimentNameChanged)

public:
    explicit Kestrum4Experiment(QObject *parent = nullptr);

    QString exp_Name() const { return m_expName; }
    // Stores without a change signal.
    void setExp_Name(const QString &name) { m_expName = name; }

public slots:
    // The entry's date, size and index, and its run name.
    void copyHeader(const Experiment *entry) override;
    // The common run object with "expName".
    QJsonObject toJson() override;
    // 0 taken, -1 a line of fewer than 6 fields (nothing changed).
    int parseListEntry(QByteArray line) override;

signals:
    void experimentNameChanged();

private:
    QString m_expName;
};
