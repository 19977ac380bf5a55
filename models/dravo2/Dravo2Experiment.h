#pragma once

#include "Experiment.h"

#include <QString>

// One run of a dosimeter: a run-list entry, and once downloaded or opened from
// a file, its samples and results.
class Dravo2Experiment : public Experiment
{
    Q_OBJECT
    Q_PROPERTY(QString exp_Name READ exp_Name WRITE setExp_Name NOTIFY experimentNameChanged)

public:
    explicit Dravo2Experiment(QObject *parent = nullptr);

    QString exp_Name() const { return m_expName; }
    void setExp_Name(const QString &name);

public slots:
    QJsonObject toJson() override;
    // 0 taken, -1 a line of fewer than 6 fields (nothing changed).
    int parseListEntry(QByteArray line) override;

signals:
    void experimentNameChanged();

private:
    QString m_expName;
};
