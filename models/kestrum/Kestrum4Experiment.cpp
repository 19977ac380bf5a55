#include "Kestrum4Experiment.h"

Kestrum4Experiment::Kestrum4Experiment(QObject *parent)
    : NamedExperiment(parent)
{
}

void Kestrum4Experiment::copyHeader(const Experiment *entry)
{
    Experiment::copyHeader(entry);
    if (const auto *named = qobject_cast<const NamedExperiment *>(entry))
        setExp_Name(named->exp_Name());
}

QJsonObject Kestrum4Experiment::toJson()
{
    QJsonObject json = commonJson();
    json.insert(QStringLiteral("expName"), exp_Name());
    return json;
}
