#include "Tolvar.h"

#include "Experiment.h"
#include "ResultsFactory.h"
#include "TolvarModel.h"
#include "TolvarResults.h"

#include <memory>

Tolvar::Tolvar()
    : Tolvar(tolvarProductName())
{
}

Tolvar::Tolvar(const QString &productName)
    : Device(nullptr)
{
    setProductName(productName);
}

Tolvar::Tolvar(Device *probed)
    : Device(nullptr)
{
    adoptProbedDevice(probed);
}

Results *Tolvar::readExperimentHeader(Experiment *run)
{
    std::unique_ptr<Results> made(ResultsFactory::create(productName()));
    auto *results = qobject_cast<TolvarResults *>(made.get());
    if (!run || !results)
        return nullptr;
    QByteArray page;
    if (readHeaderPage(1, run->index(), page) != 0 || results->parseHeader(page) != 0)
        return nullptr;
    return made.release();
}
