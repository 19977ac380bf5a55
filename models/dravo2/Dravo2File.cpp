#include "Dravo2File.h"

#include "Dravo2Experiment.h"
#include "Dravo2Log.h"
#include "Dravo2Model.h"
#include "Dravo2Results.h"

#include <QJsonArray>

Dravo2File::Dravo2File(const QString &fileName)
    : VfFile(fileName, dravo2ProductName())
{
}

Experiment *Dravo2File::parseRun(const QJsonObject &object)
{
    auto *run = new Dravo2Experiment;
    run->readRunJson(object);

    QList<Log *> logs;
    const QJsonArray records = object.value(QStringLiteral("logList")).toArray();
    for (const QJsonValue &record : records) {
        auto *log = new Dravo2Log;
        log->fromJson(record.toObject());
        logs.append(log);
    }
    run->setLogs(logs);

    auto *results = new Dravo2Results;
    results->fromJson(object.value(QStringLiteral("results")).toObject());
    run->setResults(results);
    return run;
}
