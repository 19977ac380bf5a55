#pragma once

#include "Experiment.h"

#include <QString>

// One run of the vibration meter: a run-list entry with its name and
// application type, and once downloaded or opened from a file, its samples
// and results.
//
// Application types: "H" hand-arm, "B" whole-body, "1" 1 kHz and "8" 8 kHz
// bandwidth; the instrument lists a hand-arm run with a blank type.
class QuillonExperiment : public Experiment
{
    Q_OBJECT
    Q_PROPERTY(QString exp_Name READ exp_Name WRITE setExp_Name NOTIFY experimentNameChanged)
    Q_PROPERTY(QString type READ type WRITE setType NOTIFY experimentTypeChanged)

public:
    explicit QuillonExperiment(QObject *parent = nullptr);

    QString exp_Name() const { return m_expName; }
    void setExp_Name(const QString &name) { m_expName = name; }
    QString type() const { return m_type; }
    void setType(const QString &type) { m_type = type; }

public slots:
    // The entry's date, size and index, and its name and type.
    void copyHeader(const Experiment *entry) override;
    QJsonObject toJson() override;
    // 0 taken, -1 a line of fewer than 7 fields (nothing changed).
    int parseListEntry(QByteArray line) override;

signals:
    void experimentNameChanged();
    void experimentTypeChanged();

private:
    QString m_expName;
    QString m_type;
};
