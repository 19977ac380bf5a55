#include "TolvarExperiment.h"

#include "SampleStatistics.h"
#include "TolvarLog.h"
#include "TolvarResults.h"

TolvarExperiment::TolvarExperiment(QObject *parent)
    : NamedExperiment(parent)
{
}

void TolvarExperiment::updateStatistics()
{
    auto *pumpResults = qobject_cast<TolvarResults *>(results());
    if (!pumpResults)
        return;
    SampleStatistics flow;
    SampleStatistics backpressure;
    const QList<Log *> samples = logs();
    for (Log *log : samples) {
        if (const auto *sample = qobject_cast<const TolvarLog *>(log)) {
            flow.add(sample->Flow());
            backpressure.add(sample->BackPressure());
        }
    }
    pumpResults->setFlowMin(flow.min());
    pumpResults->setFlowMax(flow.max());
    pumpResults->setBackpressureMin(backpressure.min());
    pumpResults->setBackpressureMax(backpressure.max());
    pumpResults->setFlowAvg(flow.average());
    pumpResults->setBackpressureAvg(backpressure.average());
}

QJsonObject TolvarExperiment::toJson()
{
    updateStatistics();
    QJsonObject json = entryJson();
    writeModelJson(json);
    json.insert(QStringLiteral("logList"), logListJson());
    json.insert(QStringLiteral("results"), results() ? results()->toJson() : QJsonObject());
    return json;
}
