#include "KestrumReadings.h"

#include "Experiment.h"
#include "Kestrum2Log.h"
#include "Kestrum4Log.h"

#include <functional>

namespace {

using Values = std::array<QString, KestrumReading::QuantityCount>;

// One reading per sample of `run`, its values given by `values`.
QList<KestrumReading> readings(const Experiment *run,
                               const std::function<Values(const Log *)> &values)
{
    QList<KestrumReading> read;
    if (!run)
        return read;
    const QList<Log *> logs = run->logs();
    read.reserve(logs.size());
    for (const Log *log : logs)
        read.append({log->registerDate(), values(log)});
    return read;
}

} // namespace

QList<KestrumReading> KestrumReadings::ofKestrum2(const Experiment *run)
{
    return readings(run, [](const Log *log) -> Values {
        const auto *sample = qobject_cast<const Kestrum2Log *>(log);
        if (!sample)
            return {};
        return {sample->wetTemperature(), sample->dryTemperature(), sample->globeTemperature(),
                sample->IBUTGi(), sample->IBUTGe()};
    });
}

QList<KestrumReading> KestrumReadings::ofKestrum4(const Experiment *run, int board)
{
    return readings(run, [board](const Log *log) -> Values {
        const auto *sample = qobject_cast<const Kestrum4Log *>(log);
        const QList<Kestrum4EnvironmentalFactors> records =
            sample ? sample->enviromentalFactorsList() : QList<Kestrum4EnvironmentalFactors>();
        // A sample can hold fewer boards than its run announces.
        if (board < 0 || board >= records.size())
            return {};
        const Kestrum4EnvironmentalFactors &record = records.at(board);
        return {record.wetTemperature(), record.dryTemperature(), record.globeTemperature(),
                record.WBGTi(), record.WBGTo()};
    });
}
