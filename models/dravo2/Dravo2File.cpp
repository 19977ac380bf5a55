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

    run->setLogs(readLogs<Dravo2Log>(object.value(QStringLiteral("logList")).toArray()));

    auto *results = new Dravo2Results;
    results->fromJson(object.value(QStringLiteral("results")).toObject());
    run->setResults(results);
    return run;
}
