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

    run->setLogs(readLogs<Kestrum2Log>(object.value(QStringLiteral("logList")).toArray()));

    auto *results = new Kestrum2Results;
    results->fromJson(object.value(QStringLiteral("results")).toObject());
    run->setResults(results);
    return run;
}
