#include "BemariFile.h"

#include "BemariExperiment.h"
#include "BemariLog.h"
#include "BemariModel.h"
#include "BemariResults.h"

#include <QJsonArray>

BemariFile::BemariFile(const QString &fileName)
    : BemariFile(fileName, bemariProductName())
{
}

BemariFile::BemariFile(const QString &fileName, const QString &productName)
    : VfFile(fileName, productName)
{
}

NamedExperiment *BemariFile::newExperiment() const
{
    return new BemariExperiment;
}

BemariLog *BemariFile::newLog() const
{
    return new BemariLog;
}

SoundLevelResults *BemariFile::newResults() const
{
    return new BemariResults;
}

Experiment *BemariFile::parseRun(const QJsonObject &object)
{
    NamedExperiment *run = newExperiment();
    run->readRunJson(object);

    QList<Log *> logs;
    const QJsonArray records = object.value(QStringLiteral("logList")).toArray();
    logs.reserve(records.size());
    for (const QJsonValue &record : records) {
        BemariLog *log = newLog();
        log->fromJson(record.toObject());
        logs.append(log);
    }
    run->setLogs(logs);

    SoundLevelResults *results = newResults();
    results->fromJson(object.value(QStringLiteral("results")).toObject());
    run->setResults(results);
    return run;
}
