#include "RumoFile.h"

#include "RumoExperiment.h"
#include "RumoLog.h"
#include "RumoModel.h"
#include "RumoResults.h"

#include <QJsonArray>

RumoFile::RumoFile(const QString &fileName)
    : VfFile(fileName, rumoProductName())
{
}

QList<QJsonObject> RumoFile::runObjects(const QJsonObject &root) const
{
    const QJsonValue body = root.value(QStringLiteral("Body"));
    return body.isArray() ? VfFile::runObjects(root) : QList<QJsonObject>();
}

Experiment *RumoFile::parseRun(const QJsonObject &object)
{
    const auto text = [&object](const char *key) {
        return object.value(QLatin1String(key)).toString();
    };
    auto *run = new RumoExperiment;
    run->readCommonJson(object);
    run->setExp_Name(text("expName"));
    // Read back too, so that a file saved again keeps the run's sensor.
    run->setType(text("experimentType"));
    run->setSubType(text("experimentSubType"));

    QList<Log *> logs;
    const QJsonArray samples = object.value(QStringLiteral("logList")).toArray();
    logs.reserve(samples.size());
    for (const QJsonValue &sample : samples) {
        auto *log = new RumoLog;
        log->fromJson(sample.toObject());
        logs.append(log);
    }
    run->setLogs(logs);

    auto *results = new RumoResults;
    results->fromJson(object.value(QStringLiteral("results")).toObject());
    run->setResults(results);
    return run;
}
