#include "Tolvar4Experiment.h"

namespace {

const int kStatusField = 6;

} // namespace

Tolvar4Experiment::Tolvar4Experiment(QObject *parent)
    : TolvarExperiment(parent)
{
}

void Tolvar4Experiment::readListEntryFields(const QStringList &fields)
{
    setStatus(fields.at(kStatusField).toInt());
}

void Tolvar4Experiment::writeModelJson(QJsonObject &json) const
{
    json.insert(QStringLiteral("expStatus"), status());
}
