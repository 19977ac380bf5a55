#include "SimulatedTolvarRuns.h"

namespace {

using SimulatedText::joinFields;
using SimulatedText::quoted;
using SimulatedText::quotedDateTime;

QByteArray number(int value)
{
    return QByteArray::number(value);
}

} // namespace

double SimulatedTolvarRuns::sampleFlow(int number)
{
    // -6 % to +6 % of the set-point, so that some samples fall beyond 5 %.
    const int percent = (number * 7) % 13 - 6;
    return 2.0 * (100 + percent) / 100.0;
}

int SimulatedTolvarRuns::sampleBackPressure(int number)
{
    return 20 + (number * 3) % 17;
}

double SimulatedTolvarRuns::sampleVolume(int number, const Header &header)
{
    return 2.0 * number * header.sampleSeconds / 60.0;
}

QDateTime SimulatedTolvarRuns::stopTime(int records, const QDateTime &start, const Header &header)
{
    return start.addSecs(qint64(qMax(0, records - 1)) * header.sampleSeconds + header.pauseSeconds);
}

QByteArray SimulatedTolvarRuns::listEntry(Model model, int index, int records,
                                          const QDateTime &start, const Header &header)
{
    QList<QByteArray> fields{"1", number(index), number(records), quotedDateTime(start),
                             quoted("PUMP RUN " + number(index))};
    if (model == Model::Tolvar4)
        fields.append(header.status);
    return joinFields(fields);
}

QByteArray SimulatedTolvarRuns::record(int index, int sample, const QDateTime &start,
                                       const Header &header)
{
    const QDateTime time = start.addSecs(qint64(sample - 1) * header.sampleSeconds);
    return joinFields({number(index), number(sample), "0", quotedDateTime(time),
                       QByteArray::number(sampleFlow(sample), 'f', 2), "23.4",
                       number(sampleBackPressure(sample)),
                       QByteArray::number(sampleVolume(sample, header), 'f', 1),
                       number(qMax(5, 98 - sample / 400)), "4.05", "118"});
}

QByteArray SimulatedTolvarRuns::headerPage(Model model, int index, int records,
                                           const QDateTime &start, const Header &header)
{
    const QDateTime stop = stopTime(records, start, header);
    const QByteArray volume = header.volume.isNull()
                                  ? QByteArray::number(sampleVolume(records, header), 'f', 1)
                                  : header.volume;
    QList<QByteArray> fields{"1",
                             number(index),
                             quoted(header.label),
                             quoted(header.samplerType),
                             number(header.sampleSeconds),
                             number(header.timeSetSeconds),
                             number(header.pauseSeconds),
                             header.backpressure,
                             header.flowSet,
                             header.preCheckFlow,
                             header.posCheckFlow,
                             volume};
    if (model == Model::Tolvar4)
        fields.append(header.status);
    const QDateTime preCheck =
        header.preCheckFlow.isEmpty() ? QDateTime() : start.addSecs(-header.checkSeconds);
    const QDateTime posCheck =
        header.posCheckFlow.isEmpty() ? QDateTime() : stop.addSecs(header.checkSeconds);
    fields << quotedDateTime(start) << quotedDateTime(stop) << quotedDateTime(preCheck)
           << quotedDateTime(posCheck);
    return joinFields(fields);
}

SimulatedInstrument::Run SimulatedTolvarRuns::makeRun(Model model, int index, int records,
                                                      const QDateTime &start, const Header &header)
{
    SimulatedInstrument::Run run;
    run.index = index;
    run.start = start;
    run.listEntry = listEntry(model, index, records, start, header);
    run.records.reserve(records);
    for (int sample = 1; sample <= records; ++sample)
        run.records.append(record(index, sample, start, header));
    run.pages.insert(1, headerPage(model, index, records, start, header));
    return run;
}

SimulatedInstrument::Run SimulatedTolvarRuns::makeRun(Model model, int index, int records,
                                                      const QDateTime &start)
{
    return makeRun(model, index, records, start, Header());
}
