#include "SimulatedBemariRuns.h"

#include "DeviceDateTime.h"

namespace {

QByteArray joined(const QList<QByteArray> &fields)
{
    QByteArray text;
    for (int i = 0; i < fields.size(); ++i)
        text += (i ? "," : "") + fields.at(i);
    return text;
}

QByteArray quoted(const QByteArray &text)
{
    return '"' + text + '"';
}

QByteArray number(qint64 value)
{
    return QByteArray::number(value);
}

QList<SimulatedBemariRuns::Band> bandsAt(const QList<double> &frequencies)
{
    QList<SimulatedBemariRuns::Band> bands;
    for (int i = 0; i < frequencies.size(); ++i)
        bands.append({QByteArray::number(frequencies.at(i), 'f', 2),
                      QByteArray::number(58.0 + (i * 37) % 25, 'f', 2)});
    return bands;
}

} // namespace

QByteArray SimulatedBemariRuns::quotedDateTime(const QDateTime &dateTime)
{
    return quoted(dateTime.isValid() ? formatDeviceDateTime(dateTime).toLatin1() : ",");
}

QList<SimulatedBemariRuns::Band> SimulatedBemariRuns::octaveBands()
{
    return bandsAt({31.5, 63, 125, 250, 500, 1000, 2000, 4000, 8000, 16000});
}

QList<SimulatedBemariRuns::Band> SimulatedBemariRuns::thirdOctaveBands()
{
    return bandsAt({25,   31.5, 40,   50,   63,   80,   100,   125,   160,   200,
                    250,  315,  400,  500,  630,  800,  1000,  1250,  1600,  2000,
                    2500, 3150, 4000, 5000, 6300, 8000, 10000, 12500, 16000, 20000});
}

QList<SimulatedBemariRuns::Band> SimulatedBemariRuns::bandsOf(const Header &header)
{
    if (header.bands)
        return *header.bands;
    return header.octaveAnalysis == "1/3" ? thirdOctaveBands() : octaveBands();
}

QByteArray SimulatedBemariRuns::defaultLevel(int number)
{
    // A slow wave between 60 and 95 dB.
    return QByteArray::number(60.0 + (number * 7 % 350) / 10.0, 'f', 1);
}

QByteArray SimulatedBemariRuns::level(const Header &header, int number)
{
    return header.levels.value(number, defaultLevel(number));
}

QByteArray SimulatedBemariRuns::durationOf(int records, const Header &header)
{
    return header.duration ? *header.duration : number(qint64(records) * header.sampleSeconds);
}

QByteArray SimulatedBemariRuns::joinLines(const QList<QByteArray> &lines)
{
    // The simulated instrument frames one page text as "\r\n+VFXPHDR: text\r\n",
    // so the later lines carry their own framing.
    QByteArray text;
    for (int i = 0; i < lines.size(); ++i)
        text += (i ? QByteArray("\r\r\n+VFXPHDR: ") : QByteArray()) + lines.at(i);
    return text;
}

QMap<int, QByteArray> SimulatedBemariRuns::pages(int index, int records, const QDateTime &start,
                                                 const Header &header)
{
    const QByteArray run = number(index);
    const QByteArray duration = durationOf(records, header);
    const QDateTime stop = start.addSecs(duration.toLongLong() + header.pauseSeconds.toLongLong());
    const QDateTime maximum = start.addSecs(header.maxAfterSeconds);
    QMap<int, QByteArray> pages;

    QList<QByteArray> identity{"1",
                               run,
                               quoted(header.label),
                               duration,
                               quotedDateTime(start),
                               quotedDateTime(stop),
                               header.pauseSeconds,
                               header.sampleTime,
                               quoted(header.timeWeighting),
                               quoted(header.freqWeighting),
                               quoted(header.octaveAnalysis)};
    if (header.plus)
        identity << "0" << header.overload << quoted(header.mode);
    pages.insert(1, joined(identity));

    if (header.plus) {
        QList<QByteArray> lines;
        const char letters[] = {'Z', 'C', 'A'};
        for (int w = 0; w < 3; ++w) {
            const Weighting &l = header.weightings.at(size_t(w));
            QList<QByteArray> fields{"2",        run,   QByteArray(1, letters[w]), "0", "0", l.eq,
                                     l.exposure, l.peak};
            for (int t = 0; t < 3; ++t)
                fields << l.min.at(size_t(t)) << l.max.at(size_t(t))
                       << quotedDateTime(maximum.addSecs(t));
            lines.append(joined(fields));
        }
        pages.insert(2, joinLines(lines));
    } else {
        pages.insert(2, joined({"2", run, header.lEq, header.lMax, header.lMin, header.lFMax,
                                quotedDateTime(maximum), header.sel, header.lPeak}));
    }

    const QList<Band> bands = bandsOf(header);
    const QByteArray announced = number(header.announcedBands.value_or(bands.size()));
    QList<QByteArray> bandLines;
    for (int i = 0; i < bands.size(); ++i)
        bandLines.append(
            joined({"3", run, announced, number(i), bands.at(i).frequency, bands.at(i).leq}));
    pages.insert(3, bandLines.isEmpty() ? joined({"3", run, announced}) : joinLines(bandLines));

    const QDateTime preDate =
        header.preChk.isEmpty() ? QDateTime() : start.addSecs(-header.preChkBeforeSeconds);
    const QDateTime posDate =
        header.posChk.isEmpty() ? QDateTime() : stop.addSecs(header.posChkAfterSeconds);
    pages.insert(4, joined({"4", run, header.preChk, header.posChk, quotedDateTime(preDate),
                            quotedDateTime(posDate)}));
    pages.insert(5, joined({"5", run, header.l05, header.l10, header.l50, header.l90, header.l95}));
    pages.insert(8, joined({"8", run, number(header.vbatStart), number(header.vbatStop),
                            number(header.coulombCounterStart), number(header.coulombCounterStop),
                            quoted(header.stopReason)}));
    return pages;
}

SimulatedInstrument::Run SimulatedBemariRuns::makeRun(int index, int records,
                                                      const QDateTime &start, const Header &header)
{
    SimulatedInstrument::Run run;
    run.index = index;
    run.start = start;
    run.listEntry =
        joined({"1", number(index), number(records), quotedDateTime(start), quoted(header.name)});
    run.records.reserve(records);
    for (int n = 1; n <= records; ++n) {
        QList<QByteArray> fields{
            number(index), number(n), "0",
            quotedDateTime(start.addSecs(qint64(n - 1) * header.sampleSeconds)), level(header, n)};
        if (header.plus)
            fields.append(header.intervals.value(n, header.interval));
        run.records.append(joined(fields));
    }
    run.pages = pages(index, records, start, header);
    return run;
}

SimulatedInstrument::Run SimulatedBemariRuns::makeRun(int index, int records,
                                                      const QDateTime &start, bool plus)
{
    Header header;
    header.plus = plus;
    return makeRun(index, records, start, header);
}
