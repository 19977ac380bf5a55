#include "SimulatedDravo2Runs.h"

#include <cmath>
#include <iterator>

namespace {

QByteArray number(int value)
{
    return QByteArray::number(value);
}

using SimulatedText::joinFields;
using SimulatedText::quoted;
using SimulatedText::quotedDateTime;

} // namespace

QList<SimulatedDravo2Runs::Band> SimulatedDravo2Runs::octaveBands(const QByteArray &octaveAnalysis)
{
    static const double thirds[] = {50,   63,   80,   100,  125,  160,   200,   250,  315,
                                    400,  500,  630,  800,  1000, 1250,  1600,  2000, 2500,
                                    3150, 4000, 5000, 6300, 8000, 10000, 12500, 16000};
    static const double octaves[] = {31.5, 63, 125, 250, 500, 1000, 2000, 4000, 8000};
    const bool third = octaveAnalysis == "1/3";
    const int count = third ? int(std::size(thirds)) : int(std::size(octaves));
    const double middle = (count - 1) / 2.0;
    QList<Band> bands;
    for (int i = 0; i < count; ++i) {
        // A spectrum that rises to the middle bands and falls again.
        const double level = 80.0 - 18.0 * std::abs(i - middle) / middle + (i % 3) * 0.7;
        bands.append({QByteArray::number(third ? thirds[i] : octaves[i], 'f', 2),
                      QByteArray::number(level, 'f', 1)});
    }
    return bands;
}

QByteArray SimulatedDravo2Runs::sampleLevel(int number, int dosimeter)
{
    // A slow wave between 60 and 95 dB with a different phase per column.
    const int step = (number * 7 + dosimeter * 13) % 350;
    return QByteArray::number(60.0 + step / 10.0, 'f', 1);
}

QByteArray SimulatedDravo2Runs::listEntry(int index, int records, const QDateTime &start)
{
    return joinFields({"1", number(index), number(records), quotedDateTime(start),
                       quoted("RUN " + number(index))});
}

QByteArray SimulatedDravo2Runs::record(int index, int number, const QDateTime &time)
{
    return joinFields({QByteArray::number(index), QByteArray::number(number), "0",
                       quotedDateTime(time), sampleLevel(number, 0), sampleLevel(number, 1),
                       sampleLevel(number, 2), sampleLevel(number, 3),
                       QByteArray::number(100 + number % 30)});
}

QMap<int, QByteArray> SimulatedDravo2Runs::pages(int index, int records, const QDateTime &start,
                                                 const Header &header)
{
    const QByteArray run = number(index);
    const int duration = durationSeconds(records, header);
    const QDateTime stop = start.addSecs(duration + header.pauseSeconds);
    const Dosimeter &user = header.dosimeters.at(2);
    QMap<int, QByteArray> pages;
    pages.insert(1, joinFields({"1", run, quoted(header.label),
                                quoted(number(header.sampleSeconds)), user.actionLevel,
                                user.criterionLevel, user.exchangeRate, quoted(user.timeWeighting),
                                quoted(user.freqWeighting), quoted(header.octaveAnalysis)}));
    for (int i = 0; i < 3; ++i) {
        const Dosimeter &dosimeter = header.dosimeters.at(i);
        pages.insert(2 + i, joinFields({number(2 + i), run, dosimeter.dose, dosimeter.twa,
                                        dosimeter.lavg, quoted(dosimeter.label)}));
    }
    pages.insert(5, joinFields({"5", run, header.l10, header.l50, header.l90, header.peakCount,
                                number(duration), quotedDateTime(start), quotedDateTime(stop),
                                number(header.pauseSeconds)}));
    QList<QByteArray> bands;
    for (int i = 0; i < header.bands.size(); ++i) {
        const Band &band = header.bands.at(i);
        bands.append(joinFields(
            {"6", run, number(header.bands.size()), number(i), band.frequency, band.leq}));
    }
    pages.insert(6, SimulatedText::joinInformationLines("VFXPHDR", bands));
    const QDateTime preCalDate =
        header.preCal.isEmpty() ? QDateTime() : start.addSecs(-header.preCalBeforeSeconds);
    const QDateTime posCalDate =
        header.posCal.isEmpty() ? QDateTime() : stop.addSecs(header.posCalAfterSeconds);
    pages.insert(7, joinFields({"7", run, header.preCal, header.posCal, quotedDateTime(preCalDate),
                                quotedDateTime(posCalDate)}));
    pages.insert(8, joinFields({"8", run, number(header.vbatStart), number(header.vbatStop),
                                number(header.coulombCounterStart),
                                number(header.coulombCounterStop), quoted(header.stopReason)}));
    return pages;
}

SimulatedInstrument::Run SimulatedDravo2Runs::makeRun(int index, int records,
                                                      const QDateTime &start, const Header &header)
{
    SimulatedInstrument::Run run;
    run.index = index;
    run.start = start;
    run.listEntry = listEntry(index, records, start);
    run.records.reserve(records);
    for (int number = 1; number <= records; ++number)
        run.records.append(
            record(index, number, start.addSecs(qint64(number - 1) * header.sampleSeconds)));
    run.pages = pages(index, records, start, header);
    return run;
}

QList<QByteArray> SimulatedDravo2Runs::configurationTexts(const Header &header)
{
    QList<QByteArray> texts;
    for (int i = 0; i < 3; ++i) {
        const Dosimeter &d = header.dosimeters.at(i);
        texts.append(
            joinFields({number(i + 1), quoted(d.label), d.actionLevel, d.criterionLevel,
                        d.exchangeRate, quoted(d.timeWeighting), quoted(d.freqWeighting)}));
    }
    return texts;
}

void SimulatedDravo2Runs::installConfiguration(SimulatedInstrument &instrument,
                                               const Header &header)
{
    const QList<QByteArray> texts = configurationTexts(header);
    instrument.setHandler("AT+VFDOSCFG?", [texts](const QByteArray &) {
        return SimulatedInstrument::information("VFDOSCFG", texts);
    });
}

SimulatedInstrument::Run SimulatedDravo2Runs::makeRun(int index, int records,
                                                      const QDateTime &start)
{
    return makeRun(index, records, start, Header());
}

void SimulatedDravo2Runs::installConfiguration(SimulatedInstrument &instrument)
{
    installConfiguration(instrument, Header());
}
