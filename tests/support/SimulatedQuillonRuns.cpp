#include "SimulatedQuillonRuns.h"

namespace {

QByteArray number(int value)
{
    return QByteArray::number(value);
}

using SimulatedText::joinFields;
using SimulatedText::quoted;
using SimulatedText::quotedDateTime;

QByteArray twoDecimals(double value)
{
    return QByteArray::number(value, 'f', 2);
}

SimulatedQuillonRuns::Axis axisValues(int axis)
{
    SimulatedQuillonRuns::Axis values;
    const double shift = axis * 0.1;
    values.freqWeighting = QList<QByteArray>{"Wd", "Wd", "Wk"}.at(axis);
    values.factor = QList<QByteArray>{"1.40", "1.40", "1.00"}.at(axis);
    values.vdv = twoDecimals(0.80 + shift);
    values.crestFactor = twoDecimals(3.10 + shift);
    values.maximum = twoDecimals(1.90 + shift);
    values.minimum = twoDecimals(0.05 + shift);
    values.peak = twoDecimals(2.40 + shift);
    values.am = twoDecimals(0.30 + shift);
    values.arep = twoDecimals(0.35 + shift);
    values.sensitivity = twoDecimals(10.10 + shift);
    for (int w = 0; w < 3; ++w) {
        const double base = 0.30 + shift + w * 0.01;
        values.weighted[w] = {twoDecimals(base), twoDecimals(base + 1.5), twoDecimals(base - 0.2),
                              600 + 60 * w};
    }
    const double bands[] = {0.12, 0.34, 0.28, 0.19, 0.08};
    for (double band : bands)
        values.bandValues.append(twoDecimals(band + shift));
    return values;
}

} // namespace

SimulatedQuillonRuns::Header SimulatedQuillonRuns::header(int index, int records)
{
    Header header;
    header.name = "RUN " + number(index);
    header.duration = number(records);
    header.totalTime = number(records);
    header.bandFrequencies = {"6.30", "8.00", "31.50", "1000.00", "1250.00"};
    header.numFreq = number(header.bandFrequencies.size());
    for (int axis = 0; axis < 3; ++axis)
        header.axes[axis] = axisValues(axis);
    return header;
}

QByteArray SimulatedQuillonRuns::sampleValue(int number, int column)
{
    if (column == 0)
        return "1";
    // A slow wave per column between 0.05 and 2.04.
    const int step = (number * 7 + column * 13) % 200;
    return twoDecimals(0.05 + step / 100.0);
}

QByteArray SimulatedQuillonRuns::listEntry(int index, int records, const QDateTime &start,
                                           const Header &header)
{
    return joinFields({"0", number(index), number(records), quotedDateTime(start),
                       quoted(header.name), header.type});
}

QByteArray SimulatedQuillonRuns::record(int index, int number, const QDateTime &time)
{
    QList<QByteArray> fields{QByteArray::number(index), QByteArray::number(number), "0",
                             quotedDateTime(time)};
    for (int column = 0; column < 11; ++column)
        fields.append(sampleValue(number, column));
    return joinFields(fields);
}

QByteArray SimulatedQuillonRuns::section(int section, int index, const QDateTime &start,
                                         const Header &h)
{
    const QByteArray run = number(index);
    const std::array<Axis, 3> &axes = h.axes;
    switch (section) {
    case 1: {
        const QDateTime stop = start.addSecs(h.duration.toLongLong() + h.pauseSeconds.toLongLong());
        QList<QByteArray> fields{"1",
                                 run,
                                 quoted(h.label),
                                 quotedDateTime(start),
                                 quotedDateTime(stop),
                                 h.sampleTime,
                                 h.duration,
                                 h.pauseSeconds,
                                 h.timeWeighting,
                                 axes[0].freqWeighting,
                                 axes[1].freqWeighting,
                                 axes[2].freqWeighting,
                                 axes[0].factor,
                                 axes[1].factor,
                                 axes[2].factor,
                                 h.evaluationType,
                                 h.profile};
        if (!h.olderFormat)
            fields << h.exposeTimeFromExp << quoted(h.octaveAnalysis) << h.totalTime;
        return joinFields(fields);
    }
    case 2: {
        QList<QByteArray> fields{"2",
                                 run,
                                 h.arep,
                                 axes[0].vdv,
                                 axes[1].vdv,
                                 axes[2].vdv,
                                 axes[0].crestFactor,
                                 axes[1].crestFactor,
                                 axes[2].crestFactor};
        if (!h.olderFormat)
            fields << h.amrGlobal;
        return joinFields(fields);
    }
    case 3: {
        QList<QByteArray> fields{"3", run};
        for (QByteArray Axis::*member :
             {&Axis::maximum, &Axis::minimum, &Axis::peak, &Axis::am, &Axis::arep}) {
            for (const Axis &axis : axes)
                fields << axis.*member;
        }
        return joinFields(fields);
    }
    case 4: {
        QList<QByteArray> fields{"4", run};
        for (const Axis &axis : axes) {
            for (const Weighted &w : axis.weighted) {
                const QDateTime at =
                    w.maximumAfterSeconds < 0 ? QDateTime() : start.addSecs(w.maximumAfterSeconds);
                fields << w.value << w.maximum << w.minimum << quotedDateTime(at);
            }
        }
        return joinFields(fields);
    }
    case 5:
        return joinFields({"5", run, quoted(h.sensorLabel), h.sensorSN, axes[0].sensitivity,
                           axes[1].sensitivity, axes[2].sensitivity});
    case 7: {
        QList<QByteArray> lines;
        for (int a = 0; a < 3; ++a) {
            const QList<QByteArray> &values = axes[a].bandValues;
            for (int band = 0; band < values.size() && band < h.bandFrequencies.size(); ++band)
                lines << joinFields({"7", run, h.numFreq, number(band), number(a),
                                     h.bandFrequencies.at(band), values.at(band)});
        }
        return SimulatedText::joinInformationLines("VFXPHDR", lines);
    }
    case 8:
        return joinFields({"8", run, number(h.vbatStart), number(h.vbatStop),
                           number(h.coulombCounterStart), number(h.coulombCounterStop),
                           quoted(h.stopReason)});
    default:
        return QByteArray();
    }
}

SimulatedInstrument::Run SimulatedQuillonRuns::makeRun(int index, int records,
                                                       const QDateTime &start, const Header &header)
{
    SimulatedInstrument::Run run;
    run.index = index;
    run.start = start;
    run.listEntry = listEntry(index, records, start, header);
    run.records.reserve(records);
    const qint64 step = qMax<qint64>(1, header.sampleTime.toLongLong());
    for (int n = 1; n <= records; ++n)
        run.records.append(record(index, n, start.addSecs((n - 1) * step)));
    for (int page : {1, 2, 3, 4, 5, 7, 8})
        run.pages.insert(page, section(page, index, start, header));
    return run;
}

SimulatedInstrument::Run SimulatedQuillonRuns::makeRun(int index, int records,
                                                       const QDateTime &start)
{
    return makeRun(index, records, start, header(index, records));
}
