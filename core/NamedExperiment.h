#pragma once

#include "Experiment.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

// A run whose run-list line names it. The line's fields are "<n>,<index>,
// <size>,<date>,<time>,<name>" (quotes removed; the date text holds the comma
// between date and time), followed by any fields of the model's own. The name
// travels with the run when it is downloaded and into its data file
// ("expName").
//
// The run's JSON: "date", "size" and "index" (texts), "deviceName",
// "expName", "eventIndex" (the 1-based place in the chain, a number),
// "logList" (every log's JSON) and "results" ({} for a run without results).
class NamedExperiment : public Experiment
{
    Q_OBJECT
    Q_PROPERTY(QString exp_Name READ exp_Name WRITE setExp_Name NOTIFY experimentNameChanged)

public:
    // Names in Latin-1.
    explicit NamedExperiment(QObject *parent = nullptr);
    explicit NamedExperiment(TextEncoding encoding, QObject *parent = nullptr);

    QString exp_Name() const { return m_expName; }
    // Emits experimentNameChanged when the name changes.
    void setExp_Name(const QString &name);

    // The run's own fields of a "Body" element as toJson writes them: date,
    // device name, index, size and name (a file without a name gives none).
    void readRunJson(const QJsonObject &run);

public slots:
    // Date, size, index and, from a named entry, the name.
    void copyHeader(const Experiment *entry) override;
    QJsonObject toJson() override;
    // 0 taken, -1 a line of fewer fields than the model's line holds (nothing
    // changed). The list fills many entries at once: the name is stored
    // without a signal.
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
    TextEncoding m_encoding = TextEncoding::Latin1;
    QString m_expName;
};
