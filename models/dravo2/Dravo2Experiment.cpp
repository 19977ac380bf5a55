#include "Dravo2Experiment.h"

#include "Log.h"
#include "Results.h"

#include <QJsonArray>

Dravo2Experiment::Dravo2Experiment(QObject *parent)
    : NamedExperiment(parent)
{
}

QJsonObject Dravo2Experiment::toJson()
{
    QJsonArray logList;
    for (Log *log : logs())
        logList.append(log->toJson());
    QJsonObject json = entryJson();
    json.insert(QStringLiteral("logList"), logList);
    json.insert(QStringLiteral("results"), results() ? results()->toJson() : QJsonObject());
    return json;
}
