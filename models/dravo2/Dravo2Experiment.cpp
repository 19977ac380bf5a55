#include "Dravo2Experiment.h"

#include "Results.h"

Dravo2Experiment::Dravo2Experiment(QObject *parent)
    : NamedExperiment(parent)
{
}

QJsonObject Dravo2Experiment::toJson()
{
    QJsonObject json = entryJson();
    json.insert(QStringLiteral("logList"), logListJson());
    json.insert(QStringLiteral("results"), results() ? results()->toJson() : QJsonObject());
    return json;
}
