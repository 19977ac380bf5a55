#pragma once

#include "Log.h"
#include "ParallelChunks.h"

#include <QByteArray>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QThread>
#include <QVector>

class Device;
class Experiment;

// A saved data file of one model. readHeader checks the envelope and rebuilds
// the instrument from "Info"; parse rebuilds the runs from "Body" as a chain.
class VfFile : public QFile
{
    Q_OBJECT

public:
    enum Status
    {
        Ok = 0,
        DigestMismatch = 1,
        Malformed = 2
    };

    explicit VfFile(const QString &fileName);

    QString path() const { return m_path; }
    QString baseName() const { return m_baseName; }
    // The model whose files this reads; empty for a file of no model.
    QString productName() const { return m_productName; }
    int status() const { return m_status; }
    void clearStatus() { m_status = Ok; }

    // More bytes than any data file holds: a run of any instrument is far
    // smaller.
    static constexpr qint64 MaxSize = qint64(1) << 30;

    // Opens the file for reading when it is a regular file (or a link to one)
    // of at most MaxSize bytes. A FIFO would block the reading and a device
    // may never end, so neither is opened.
    bool openForReading();
    // The bytes of the file opened for reading, to its end.
    QByteArray readContent();

    // The instrument of the file, or null with the reason in the status. The
    // caller owns the device.
    Device *readHeader(QByteArray content);
    // The same from the document `decode` gave.
    Device *readHeader(const QJsonObject &root);
    // The document of the file's content: false (with the reason in the
    // status) when the envelope is refused. Decoding is the long part of
    // reading a large file: it may run on any thread.
    bool decode(const QByteArray &content, QJsonObject &root)
    {
        return decodeEnvelope(content, root);
    }
    // The runs from the document `decode` gave, as parse gives them.
    Experiment *parseDocument(const QJsonObject &root);

    // Writes the whole file or nothing (WholeFile): the old file stays when
    // writing fails. 0 written, -1 not (with the system's reason in `error`
    // when given).
    static int write(const QString &fileName, const QByteArray &content, QString *error = nullptr);
    // The same for the data file whose line 1 is `line`
    // (DataFileEnvelope::line): its digest is made while the line is written.
    static int writeLine(const QString &fileName, const QByteArray &line, QString *error = nullptr);

public slots:
    // Every run of "Body" as a chain (the head is returned; the caller owns the
    // chain), or null with the reason in the status.
    virtual Experiment *parse(QByteArray content);
    // False when the name is this file's model.
    virtual bool checkDeviceName(QString name);

protected:
    // A model's file: only files of `productName` are accepted.
    VfFile(const QString &fileName, const QString &productName);
    // One run of "Body" rebuilt by the model; null when it cannot be read.
    virtual Experiment *parseRun(const QJsonObject &run);
    // The run objects of the document's "Body": every object of an array, or
    // an object taken as one run. A model whose files hold only arrays
    // refuses the single object here.
    virtual QList<QJsonObject> runObjects(const QJsonObject &root) const;
    // The status rules of the envelope; false when the content is refused.
    bool decodeEnvelope(const QByteArray &content, QJsonObject &root);
    void setStatus(int status) { m_status = status; }
    // The samples of a run's "logList" `records`, each read by the model's
    // SampleLog::fromJson. A full day of them is read on several threads;
    // the samples belong to the calling thread, as if it had made them.
    template <class SampleLog>
    static QList<Log *> readLogs(const QJsonArray &records);

private:
    // Fewer samples are read faster on one thread.
    static constexpr int SamplesPerThread = 2048;

    QString m_path;
    QString m_baseName;
    QString m_productName;
    int m_status = Ok;
};

template <class SampleLog>
QList<Log *> VfFile::readLogs(const QJsonArray &records)
{
    QVector<Log *> logs(records.size());
    QThread *owner = QThread::currentThread();
    ParallelChunks::run(records.size(), SamplesPerThread, [&](int, int begin, int end) {
        for (int i = begin; i < end; ++i) {
            auto *log = new SampleLog;
            log->fromJson(records.at(i).toObject());
            log->moveToThread(owner);
            logs[i] = log;
        }
    });
    return logs.toList();
}
