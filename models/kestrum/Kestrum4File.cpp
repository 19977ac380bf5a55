#include "Kestrum4File.h"

#include "Kestrum4Experiment.h"
#include "Kestrum4Log.h"
#include "Kestrum4Results.h"
#include "KestrumModel.h"

#include <QJsonArray>

Kestrum4File::Kestrum4File(const QString &fileName)
    : VfFile(fileName, kestrum4ProductName())
{
}

Experiment *Kestrum4File::parseRun(const QJsonObject &object)
{
    auto *run = new Kestrum4Experiment;
    run->readCommonJson(object);
    run->setExp_Name(object.value(QStringLiteral("expName")).toString());

    run->setLogs(readLogs<Kestrum4Log>(object.value(QStringLiteral("logList")).toArray()));

    auto *results = new Kestrum4Results;
    results->fromJson(object.value(QStringLiteral("results")).toObject());
    run->setResults(results);
    return run;
}
