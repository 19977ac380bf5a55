#include "Kestrum2File.h"

#include "Kestrum2Experiment.h"
#include "Kestrum2Log.h"
#include "Kestrum2Results.h"
#include "KestrumModel.h"

#include <QJsonArray>

Kestrum2File::Kestrum2File(const QString &fileName)
    : VfFile(fileName, kestrum2ProductName())
{
}

Experiment *Kestrum2File::parseRun(const QJsonObject &object)
{
    auto *run = new Kestrum2Experiment;
    run->readCommonJson(object);

    QList<Log *> logs;
    const QJsonArray records = object.value(QStringLiteral("logList")).toArray();
    for (const QJsonValue &record : records) {
        auto *log = new Kestrum2Log;
        log->fromJson(record.toObject());
        logs.append(log);
    }
    run->setLogs(logs);

    auto *results = new Kestrum2Results;
    results->fromJson(object.value(QStringLiteral("results")).toObject());
    run->setResults(results);
    return run;
}
