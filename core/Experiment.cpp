#include "Experiment.h"

#include "DeviceDateTime.h"
#include "Log.h"
#include "LogFactory.h"
#include "ParallelChunks.h"
#include "Results.h"

#include <QJsonArray>
#include <QScopedValueRollback>

#include <vector>

namespace {

// Fewer samples are made faster on one thread.
constexpr int kSamplesPerThread = 2048;

} // namespace

Experiment::Experiment(QObject *parent)
    : QObject(parent)
{
}

Experiment::~Experiment()
{
    // Leave no neighbour pointing at a deleted run.
    if (m_prev && m_prev->m_next == this)
        m_prev->m_next = nullptr;
    if (m_next && m_next->m_prev == this)
        m_next->m_prev = nullptr;
    qDeleteAll(m_logs);
    delete m_results;
}

void Experiment::setDateTime(const QDateTime &dateTime)
{
    if (m_dateTime == dateTime)
        return;
    m_dateTime = dateTime;
    emit experimentDateTimeChanged();
}

QString Experiment::dateText() const
{
    return formatDeviceDateTime(m_dateTime);
}

void Experiment::setSize(int size)
{
    if (m_size == size)
        return;
    m_size = size;
    emit experimentSizeChanged();
}

void Experiment::setIndex(int index)
{
    if (m_index == index)
        return;
    m_index = index;
    emit experimentIndexChanged();
}

void Experiment::setStatus(int status)
{
    if (m_status == status)
        return;
    m_status = status;
    emit experimentExpStatusChanged();
}

void Experiment::setResults(Results *results)
{
    if (m_results == results)
        return;
    delete m_results;
    m_results = results;
}

void Experiment::setLogs(const QList<Log *> &logs)
{
    for (Log *log : qAsConst(m_logs)) {
        if (!logs.contains(log))
            delete log;
    }
    m_logs = logs;
}

QJsonObject Experiment::summaryJson()
{
    const QScopedValueRollback<bool> leaveOut(m_leaveOutSamples, true);
    return toJson();
}

QJsonArray Experiment::logListJson() const
{
    QJsonArray list;
    if (m_leaveOutSamples)
        return list;
    // A full day of samples: their objects are made on several threads (a
    // sample's toJson only reads it).
    std::vector<QJsonObject> objects(m_logs.size());
    ParallelChunks::run(m_logs.size(), kSamplesPerThread, [&](int, int begin, int end) {
        for (int i = begin; i < end; ++i)
            objects[i] = m_logs.at(i)->toJson();
    });
    for (const QJsonObject &object : objects)
        list.append(object);
    return list;
}

Experiment *Experiment::first()
{
    Experiment *run = this;
    while (run->m_prev)
        run = run->m_prev;
    return run;
}

Experiment *Experiment::last()
{
    Experiment *run = this;
    while (run->m_next)
        run = run->m_next;
    return run;
}

void Experiment::append(Experiment *run)
{
    Experiment *tail = last();
    tail->m_next = run;
    run->m_prev = tail;
}

int Experiment::position() const
{
    int position = 1;
    for (const Experiment *run = m_prev; run; run = run->m_prev)
        ++position;
    return position;
}

int Experiment::chainPlace() const
{
    if (!m_prev && !m_next)
        return Only;
    if (!m_prev)
        return Head;
    if (!m_next)
        return Tail;
    return Between;
}

void Experiment::deleteChain()
{
    Experiment *run = last();
    while (run != this) {
        Experiment *before = run->m_prev;
        delete run;
        run = before;
    }
    delete this;
}

QJsonObject Experiment::entryJson() const
{
    return {{QStringLiteral("date"), formatDeviceDateTime(m_dateTime)},
            {QStringLiteral("size"), QString::number(m_size)},
            {QStringLiteral("deviceName"), m_deviceName},
            {QStringLiteral("index"), QString::number(m_index)},
            {QStringLiteral("eventIndex"), position()}};
}

QJsonObject Experiment::commonJson()
{
    QJsonObject json = entryJson();
    json.insert(QStringLiteral("logList"), logListJson());
    json.insert(QStringLiteral("results"), m_results ? m_results->toJson() : QJsonObject());
    return json;
}

void Experiment::readCommonJson(const QJsonObject &json)
{
    setDateTime(parseDeviceDateTime(json.value(QStringLiteral("date")).toString()));
    setDeviceName(json.value(QStringLiteral("deviceName")).toString());
    setIndex(json.value(QStringLiteral("index")).toString().toInt());
    setSize(json.value(QStringLiteral("size")).toString().toInt());
}

void Experiment::copyHeader(const Experiment *entry)
{
    if (!entry)
        return;
    m_size = entry->m_size;
    m_index = entry->m_index;
    m_dateTime = entry->m_dateTime;
}

int Experiment::parseRecords(QList<QByteArray> records)
{
    setLogs({});
    QList<Log *> logs;
    for (const QByteArray &record : qAsConst(records)) {
        Log *log = LogFactory::create(m_deviceName);
        if (!log || log->parseRecord(record) != 0) {
            delete log;
            m_logs = logs;
            return 1;
        }
        logs.append(log);
    }
    m_logs = logs;
    return 0;
}

QJsonObject Experiment::toJson()
{
    return QJsonObject();
}

int Experiment::readListEntry(const QByteArray &line, int minimumFields, QStringList *fields,
                              TextEncoding encoding)
{
    QString text = decodeInstrumentText(line, encoding);
    text.remove(QLatin1Char('"'));
    const QStringList read = text.split(QLatin1Char(','));
    if (read.size() < minimumFields || read.size() < 5)
        return -1;
    setIndex(read.at(1).toInt());
    setSize(read.at(2).toInt());
    setDateTime(parseDeviceDateTime(read.at(3) + QLatin1Char(',') + read.at(4)));
    if (fields)
        *fields = read;
    return 0;
}

int Experiment::parseListEntry(QByteArray line)
{
    Q_UNUSED(line)
    return -1;
}
