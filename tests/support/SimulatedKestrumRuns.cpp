#include "SimulatedKestrumRuns.h"

#include <cmath>

namespace {

using Quantity = SimulatedKestrumRuns::Quantity;

QByteArray number(int value)
{
    return QByteArray::number(value);
}

QByteArray fixed(double value, int decimals)
{
    return QByteArray::number(value, 'f', decimals);
}

using SimulatedText::quoted;

// The extremes and means of one board over a run's samples.
struct BoardSummary
{
    double max[SimulatedKestrumRuns::QuantityCount];
    double min[SimulatedKestrumRuns::QuantityCount];
    double mean[SimulatedKestrumRuns::QuantityCount];

    BoardSummary(int records, int board)
    {
        for (int q = 0; q < SimulatedKestrumRuns::QuantityCount; ++q) {
            max[q] = -1e9;
            min[q] = 1e9;
            double sum = 0;
            for (int sample = 1; sample <= records; ++sample) {
                const double value = SimulatedKestrumRuns::reading(sample, board, Quantity(q));
                max[q] = qMax(max[q], value);
                min[q] = qMin(min[q], value);
                sum += value;
            }
            mean[q] = records > 0 ? sum / records : 0;
        }
    }
};

// A header value of a run without samples is not available.
QByteArray headerValue(int records, double value, int decimals)
{
    return records > 0 ? fixed(value, decimals) : QByteArray("---");
}

QList<QByteArray> emptyFields(int count)
{
    QList<QByteArray> fields;
    for (int i = 0; i < count; ++i)
        fields.append(QByteArray());
    return fields;
}

QByteArray listEntry(int index, int records, const QDateTime &start)
{
    return SimulatedText::joinFields(
        {"1", number(index), number(records), SimulatedText::quotedDateTime(start)});
}

QByteArray recordHead(int index, int sample, const QDateTime &time)
{
    return SimulatedText::joinFields(
        {number(index), number(sample), "0", SimulatedText::quotedDateTime(time)});
}

QByteArray pageEight(int index, const SimulatedKestrumRuns::Header &header)
{
    return SimulatedText::joinFields({"8", number(index), number(header.vbatStart),
                                      number(header.vbatStop), number(header.coulombCounterStart),
                                      number(header.coulombCounterStop),
                                      quoted(header.stopReason)});
}

SimulatedInstrument::Run emptyRun(int index, const QDateTime &start)
{
    SimulatedInstrument::Run run;
    run.index = index;
    run.start = start;
    return run;
}

} // namespace

double SimulatedKestrumRuns::reading(int sample, int board, Quantity quantity)
{
    // Slow waves up and down a few degrees, with a phase per quantity and
    // board.
    const auto wave = [sample, board](int phase, double base) {
        const int step = (sample * 7 + board * 11 + phase * 25) % 120;
        return base + board * 0.7 + (step < 60 ? step : 120 - step) / 10.0;
    };
    const double wet = std::round(wave(0, 20.0) * 10) / 10;
    const double dry = std::round(wave(1, 28.0) * 10) / 10;
    const double globe = std::round(wave(2, 34.0) * 10) / 10;
    switch (quantity) {
    case Wet:
        return wet;
    case Dry:
        return dry;
    case Globe:
        return globe;
    case WbgtIndoor:
        return std::round((0.7 * wet + 0.3 * globe) * 10) / 10;
    case WbgtOutdoor:
    case QuantityCount:
        break;
    }
    return std::round((0.7 * wet + 0.2 * globe + 0.1 * dry) * 10) / 10;
}

QByteArray SimulatedKestrumRuns::readingText(int sample, int board, Quantity quantity)
{
    return fixed(reading(sample, board, quantity), 1);
}

QByteArray SimulatedKestrumRuns::boardSerial(int board)
{
    return "EXP" + QByteArray::number(board).rightJustified(4, '0');
}

QByteArray SimulatedKestrumRuns::replaceField(const QByteArray &line, int field,
                                              const QByteArray &text)
{
    QList<QByteArray> fields = line.split(',');
    if (field >= 0 && field < fields.size())
        fields[field] = text;
    return SimulatedText::joinFields(fields);
}

SimulatedInstrument::Run SimulatedKestrumRuns::makeKestrum2Run(int index, int records,
                                                               const QDateTime &start,
                                                               const Header &header)
{
    SimulatedInstrument::Run run = emptyRun(index, start);
    run.listEntry = listEntry(index, records, start);
    run.records.reserve(records);
    for (int sample = 1; sample <= records; ++sample) {
        QList<QByteArray> fields{
            recordHead(index, sample, start.addSecs(qint64(sample - 1) * header.sampleSeconds))};
        for (int q = 0; q < QuantityCount; ++q)
            fields.append(readingText(sample, 0, Quantity(q)));
        run.records.append(SimulatedText::joinFields(fields));
    }
    const int duration = records * header.sampleSeconds;
    const QDateTime stop = start.addSecs(duration + header.pauseSeconds);
    const BoardSummary main(records, 0);
    const QByteArray runIndex = number(index);
    run.pages.insert(
        1, SimulatedText::joinFields({"1", runIndex, number(header.sampleSeconds),
                                      number(header.pauseSeconds), number(duration), header.unit}));
    run.pages.insert(
        2, SimulatedText::joinFields({"2", runIndex, headerValue(records, main.mean[WbgtIndoor], 2),
                                      headerValue(records, main.mean[WbgtOutdoor], 2),
                                      SimulatedText::quotedDateTime(start),
                                      SimulatedText::quotedDateTime(stop)}));
    QList<QByteArray> extremes{"3", runIndex};
    for (Quantity q : {Wet, Dry, Globe}) {
        extremes.append(headerValue(records, main.max[q], 1));
        extremes.append(headerValue(records, main.min[q], 1));
    }
    run.pages.insert(3, SimulatedText::joinFields(extremes));
    run.pages.insert(8, pageEight(index, header));
    return run;
}

SimulatedInstrument::Run SimulatedKestrumRuns::makeKestrum4Run(int index, int records,
                                                               const QDateTime &start,
                                                               const Header &header)
{
    constexpr int kGroups = 4;
    const int boards = 1 + qBound(0, header.expansionBoards, kGroups - 1);
    SimulatedInstrument::Run run = emptyRun(index, start);
    run.listEntry = listEntry(index, records, start) + ',' + quoted("RUN " + number(index));
    run.records.reserve(records);
    for (int sample = 1; sample <= records; ++sample) {
        QList<QByteArray> fields{
            recordHead(index, sample, start.addSecs(qint64(sample - 1) * header.sampleSeconds))};
        for (int board = 0; board < kGroups; ++board) {
            if (board >= boards) {
                fields.append(emptyFields(8));
                continue;
            }
            for (int q = 0; q < QuantityCount; ++q)
                fields.append(readingText(sample, board, Quantity(q)));
            fields << fixed(0.1 * (1 + (sample + board) % 5), 1) << "1"
                   << "0";
        }
        run.records.append(SimulatedText::joinFields(fields));
    }

    const int duration = records * header.sampleSeconds;
    const QDateTime stop = start.addSecs(duration + header.pauseSeconds);
    const QByteArray runIndex = number(index);
    run.pages.insert(1,
                     SimulatedText::joinFields(
                         {"1", runIndex, "0", number(duration),
                          SimulatedText::quotedDateTime(start), SimulatedText::quotedDateTime(stop),
                          number(header.pauseSeconds), number(header.sampleSeconds), header.unit}));
    QList<QByteArray> expansions{"2", runIndex, number(boards - 1)};
    for (int board = 1; board < boards; ++board)
        expansions << boardSerial(board) << quoted("CERT-EXP" + number(board))
                   << SimulatedText::quotedDateTime(start.addDays(-30 * board));
    run.pages.insert(2, SimulatedText::joinFields(expansions));
    QList<QByteArray> means{"3", runIndex};
    QList<QByteArray> extremes{"4", runIndex};
    for (int board = 0; board < kGroups; ++board) {
        if (board >= boards) {
            means.append(emptyFields(2));
            extremes.append(emptyFields(6));
            continue;
        }
        const BoardSummary summary(records, board);
        means << headerValue(records, summary.mean[WbgtIndoor], 2)
              << headerValue(records, summary.mean[WbgtOutdoor], 2);
        for (Quantity q : {Wet, Dry, Globe}) {
            extremes.append(headerValue(records, summary.max[q], 1));
            extremes.append(headerValue(records, summary.min[q], 1));
        }
    }
    run.pages.insert(3, SimulatedText::joinFields(means));
    run.pages.insert(4, SimulatedText::joinFields(extremes));
    run.pages.insert(8, pageEight(index, header));
    return run;
}

SimulatedInstrument::Run SimulatedKestrumRuns::makeKestrum2Run(int index, int records,
                                                               const QDateTime &start)
{
    return makeKestrum2Run(index, records, start, Header());
}

SimulatedInstrument::Run SimulatedKestrumRuns::makeKestrum4Run(int index, int records,
                                                               const QDateTime &start,
                                                               int expansionBoards)
{
    Header header;
    header.expansionBoards = expansionBoards;
    return makeKestrum4Run(index, records, start, header);
}
