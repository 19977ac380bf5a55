#pragma once

#include "Experiment.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

// A run whose run-list line names it. The line's fields are "<n>,<index>,
// <size>,<date>,<time>,<name>", followed by any fields of the model's own.
class NamedExperiment : public Experiment
{
    Q_OBJECT
    Q_PROPERTY(QString exp_Name READ exp_Name WRITE setExp_Name NOTIFY experimentNameChanged)

public:
    explicit NamedExperiment(QObject *parent = nullptr);

    QString exp_Name() const { return m_expName; }
    void setExp_Name(const QString &name);

public slots:
    // 0 taken, -1 a line of fewer fields than the model's line holds (nothing
    // changed).
    int parseListEntry(QByteArray line) override;

signals:
    void experimentNameChanged();

protected:
    // The fields a model's run-list line holds at least.
    virtual int listEntryFields() const { return 6; }
    // Reads the model's own fields of a line that holds listEntryFields().
    virtual void readListEntryFields(const QStringList &fields) { Q_UNUSED(fields) }

    // The run as its run-list entry gives it: "date", "size", "deviceName",
    // "expName", "index" and "eventIndex", the place of the run in its chain.
    QJsonObject entryJson() const;

private:
    QString m_expName;
};
