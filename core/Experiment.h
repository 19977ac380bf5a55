#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "TextEncoding.h"

class Log;
class Results;

// One recorded run: its run-list entry, its samples, its results and its place
// in the chain of runs opened together. A run owns its logs and its results.
class Experiment : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QDateTime dateTime READ dateTime WRITE setDateTime NOTIFY experimentDateTimeChanged)
    // The start as the instrument's date-time text, for pages that show its
    // own wall-clock time (a QDateTime reaches QML as an instant).
    Q_PROPERTY(QString dateText READ dateText NOTIFY experimentDateTimeChanged)
    Q_PROPERTY(int size READ size WRITE setSize NOTIFY experimentSizeChanged)
    Q_PROPERTY(int index READ index WRITE setIndex NOTIFY experimentIndexChanged)
    Q_PROPERTY(int status READ status WRITE setStatus NOTIFY experimentExpStatusChanged)

public:
    // Place codes of a run in its chain.
    enum ChainPlace
    {
        Between = 0,
        Tail = -1,
        Head = -2,
        Only = -3
    };

    explicit Experiment(QObject *parent = nullptr);
    ~Experiment() override;

    QDateTime dateTime() const { return m_dateTime; }
    void setDateTime(const QDateTime &dateTime);
    QString dateText() const;
    int size() const { return m_size; }
    void setSize(int size);
    int index() const { return m_index; }
    void setIndex(int index);
    int status() const { return m_status; }
    void setStatus(int status);

    QString deviceName() const { return m_deviceName; }
    void setDeviceName(const QString &name) { m_deviceName = name; }

    Results *results() const { return m_results; }
    // Takes ownership; the results held before are deleted.
    void setResults(Results *results);

    QList<Log *> logs() const { return m_logs; }
    // The run's JSON with an empty sample list: what a results page reads
    // again on every new result, at any run length.
    QJsonObject summaryJson();
    // Takes ownership of the given logs; the logs held before are deleted.
    void setLogs(const QList<Log *> &logs);

    Experiment *next() const { return m_next; }
    Experiment *prev() const { return m_prev; }
    void setNext(Experiment *run) { m_next = run; }
    void setPrev(Experiment *run) { m_prev = run; }
    Experiment *first();
    Experiment *last();
    void append(Experiment *run);
    int position() const;
    int chainPlace() const;
    // Deletes every run after this one, then this one.
    void deleteChain();

    // The members every model's run object holds: those of entryJson,
    // "logList" (each log's JSON) and "results".
    QJsonObject commonJson();
    // Reads "date", "deviceName", "index" and "size" of a run object as
    // commonJson writes them (text that is no number reads as 0).
    void readCommonJson(const QJsonObject &json);

public slots:
    virtual void copyHeader(const Experiment *entry);
    // Builds the logs from the record lines: 0 all read, 1 a bad record (the
    // logs read before it stay).
    virtual int parseRecords(QList<QByteArray> records);
    virtual QJsonObject toJson();
    // Reads one "+VFXPLST: " line: 0 read, -1 refused.
    virtual int parseListEntry(QByteArray line);

protected:
    // The samples as toJson writes them ("logList"): every log's toJson, in
    // order; empty while summaryJson runs. Models write their sample list
    // with it.
    QJsonArray logListJson() const;
    // The run as its run-list entry gives it: "date" (device date-time),
    // "size" and "index" (as text), "deviceName" and "eventIndex" (the place
    // in the chain, from 1).
    QJsonObject entryJson() const;
    // Reads what every "+VFXPLST: " entry holds: the run's memory index
    // (field 1), its record count (field 2) and its start (fields 3 and 4).
    // The entry is read as `encoding` up to a NUL, without its double quotes,
    // and split at ",". -1 and nothing changed for fewer than `minimumFields`
    // fields; otherwise 0 with every field in `fields`.
    int readListEntry(const QByteArray &line, int minimumFields, QStringList *fields = nullptr,
                      TextEncoding encoding = TextEncoding::Latin1);

signals:
    void experimentDateTimeChanged();
    void experimentSizeChanged();
    void experimentIndexChanged();
    void experimentExpStatusChanged();

private:
    QDateTime m_dateTime;
    int m_size = 0;
    int m_index = 0;
    int m_status = 0;
    QString m_deviceName;
    QList<Log *> m_logs;
    bool m_leaveOutSamples = false;
    Results *m_results = nullptr;
    Experiment *m_next = nullptr;
    Experiment *m_prev = nullptr;
};
