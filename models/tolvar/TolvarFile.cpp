#include "TolvarFile.h"

#include "DeviceDateTime.h"
#include "ExperimentFactory.h"
#include "LogFactory.h"
#include "ResultsFactory.h"
#include "TolvarExperiment.h"
#include "TolvarLog.h"
#include "TolvarModel.h"
#include "TolvarResults.h"

#include <QJsonArray>
#include <memory>

TolvarFile::TolvarFile(const QString &fileName)
    : TolvarFile(fileName, tolvarProductName())
{
}

TolvarFile::TolvarFile(const QString &fileName, const QString &productName)
    : VfFile(fileName, productName)
{
}

Experiment *TolvarFile::parseRun(const QJsonObject &object)
{
    std::unique_ptr<Experiment> made(ExperimentFactory::create(productName()));
    std::unique_ptr<Results> madeResults(ResultsFactory::create(productName()));
    auto *run = qobject_cast<TolvarExperiment *>(made.get());
    auto *results = qobject_cast<TolvarResults *>(madeResults.get());
    if (!run || !results)
        return nullptr;
    // The run keeps the name it was listed under.
    run->readRunJson(object);

    QList<Log *> samples;
    const QJsonArray records = object.value(QStringLiteral("logList")).toArray();
    for (const QJsonValue &record : records) {
        Log *log = LogFactory::create(productName());
        auto *sample = qobject_cast<TolvarLog *>(log);
        if (!sample) {
            delete log;
            continue;
        }
        sample->fromJson(record.toObject());
        samples.append(sample);
    }
    run->setLogs(samples);

    results->fromJson(object.value(QStringLiteral("results")).toObject());
    run->setResults(madeResults.release());
    return made.release();
}
