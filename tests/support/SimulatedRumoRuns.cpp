#include "SimulatedRumoRuns.h"

#include "DeviceDateTime.h"

#include <algorithm>
#include <functional>
#include <numeric>

namespace {

QByteArray number(int value)
{
    return QByteArray::number(value);
}

QByteArray joinFields(const QList<QByteArray> &fields)
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

QByteArray quotedDateTime(const QDateTime &dateTime)
{
    return dateTime.isValid() ? quoted(formatDeviceDateTime(dateTime).toLatin1()) : quoted(",");
}

// Several information lines of one reply as one text: the simulated
// instrument frames the text once, so the later lines carry their own framing.
QByteArray joinLines(const QList<QByteArray> &lines, const QByteArray &name)
{
    QByteArray text;
    for (int i = 0; i < lines.size(); ++i)
        text += (i ? "\r\n\r\n+" + name + ": " : QByteArray()) + lines.at(i);
    return text;
}

QByteArray threeDecimals(double value)
{
    return QByteArray::number(value, 'f', 3);
}

double sampleNumber(const SimulatedRumoRuns::Quantity &quantity, int number, int index)
{
    // A slow saw tooth with a phase of its own per quantity.
    const int step = (number * 7 + index * 13) % 100;
    return quantity.base + quantity.span * step / 100.0;
}

QList<QByteArray> statistic(const SimulatedRumoRuns::Header &header, int records,
                            const std::function<double(const QList<double> &)> &reduce)
{
    QList<QByteArray> texts;
    for (int q = 0; q < header.quantities.size(); ++q) {
        QList<double> values;
        for (int n = 1; n <= records; ++n)
            values.append(sampleNumber(header.quantities.at(q), n, q));
        texts.append(values.isEmpty() ? QByteArray("0.000") : threeDecimals(reduce(values)));
    }
    return texts;
}

} // namespace

SimulatedRumoRuns::Header SimulatedRumoRuns::sensorHeader(int index)
{
    Header header;
    header.sensorCalibration = QDateTime(QDate(2024, 3, 12), QTime(10, 15), Qt::OffsetFromUTC, 0);
    switch ((index - 1) % 4) {
    case 0:
        header.label = "OFFICE 2";
        header.sensorType = "AMB";
        header.quantities = {{"TEMP",
                              "\xb0"
                              "C",
                              21, 4},
                             {"HUM", "%", 40, 20},
                             {"PRESS", "kPa", 100.5, 1.2},
                             {"IAQ", "", 25, 50},
                             {"VEL", "m/s", 0.1, 0.4}};
        break;
    case 1:
        header.label = "WORKSHOP LIGHT";
        header.sensorType = "LUX_UV";
        header.quantities = {{"ILUM", "lx", 350, 400},
                             {"UVA", "W/m\xb2", 0.5, 1.5},
                             {"UVB", "W/m\xb2", 0.01, 0.05},
                             {"UVI", "", 0, 3}};
        header.configuration = {{"LAMP", "s", "LED", ""}};
        break;
    case 2:
        header.label = "BOILER ROOM";
        header.sensorType = "GAS";
        header.sensorSubType = "CO";
        header.quantities = {{"CONC", "ppm", 2, 30}, {"STEL", "ppm", 5, 10}};
        header.evaluation = {{"TWA", "f", "12.5", "ppm"}};
        break;
    default:
        header.label = "SUBSTATION";
        header.sensorType = "MAG";
        header.quantities = {{"MAGX", "\xb5T", 1, 2},
                             {"MAGY", "\xb5T", 0.5, 2},
                             {"MAGZ", "\xb5T", 2, 1},
                             {"MAG", "\xb5T", 3, 2}};
        break;
    }
    return header;
}

QByteArray SimulatedRumoRuns::sampleValue(const Header &header, int number, int quantity)
{
    return threeDecimals(sampleNumber(header.quantities.at(quantity), number, quantity));
}

QList<QByteArray> SimulatedRumoRuns::minima(const Header &header, int records)
{
    if (!header.minima.isEmpty())
        return header.minima;
    return statistic(header, records,
                     [](const QList<double> &v) { return *std::min_element(v.begin(), v.end()); });
}

QList<QByteArray> SimulatedRumoRuns::maxima(const Header &header, int records)
{
    if (!header.maxima.isEmpty())
        return header.maxima;
    return statistic(header, records,
                     [](const QList<double> &v) { return *std::max_element(v.begin(), v.end()); });
}

QList<QByteArray> SimulatedRumoRuns::averages(const Header &header, int records)
{
    if (!header.averages.isEmpty())
        return header.averages;
    return statistic(header, records, [](const QList<double> &v) {
        return std::accumulate(v.begin(), v.end(), 0.0) / v.size();
    });
}

QByteArray SimulatedRumoRuns::sampleRecord(int index, int number, const QDateTime &time,
                                           const QList<QByteArray> &values)
{
    const QByteArray count = QByteArray::number(values.size());
    QList<QByteArray> lines{joinFields({QByteArray::number(index), QByteArray::number(number), "0",
                                        count, "0", quotedDateTime(time)})};
    for (int q = 0; q < values.size(); ++q) {
        const QByteArray position = QByteArray::number(q + 1);
        lines.append(joinFields({QByteArray::number(index), QByteArray::number(number), position,
                                 count, position, values.at(q)}));
    }
    return joinLines(lines, "VFRDXP");
}

QMap<int, QByteArray> SimulatedRumoRuns::pages(int index, int records, const QDateTime &start,
                                               const Header &header)
{
    const QByteArray run = number(index);
    const int duration = records * header.sampleSeconds;
    const QDateTime stop = start.addSecs(duration + header.pauseSeconds);
    QMap<int, QByteArray> pages;
    pages.insert(1, joinFields({"1", run, quoted(header.label), number(duration),
                                quotedDateTime(start), quotedDateTime(stop),
                                number(header.pauseSeconds), number(header.sampleSeconds),
                                quoted(header.sensorType), quoted(header.sensorSubType)}));
    pages.insert(2, joinFields({"2", run, quoted(header.sensorSN), quoted(header.sensorCertificate),
                                quotedDateTime(header.sensorCalibration)}));

    const int count = header.quantities.size();
    const QList<QByteArray> min = minima(header, records);
    const QList<QByteArray> avg = averages(header, records);
    const QList<QByteArray> max = maxima(header, records);
    QList<QByteArray> page3, page4, page5;
    for (int q = 0; q < count; ++q) {
        const QList<QByteArray> head{run, number(count), number(q)};
        page3.append(joinFields(QList<QByteArray>{"3"} + head + QList<QByteArray>{avg.value(q)}));
        page4.append(joinFields(QList<QByteArray>{"4"} + head +
                                QList<QByteArray>{max.value(q), min.value(q)}));
        const Quantity &quantity = header.quantities.at(q);
        page5.append(joinFields(QList<QByteArray>{"5"} + head +
                                QList<QByteArray>{quoted(quantity.code), quoted(quantity.unit)}));
    }
    pages.insert(3, joinLines(page3, "VFXPHDR"));
    pages.insert(4, joinLines(page4, "VFXPHDR"));
    pages.insert(5, joinLines(page5, "VFXPHDR"));

    const auto itemPage = [&](const char *page, const QList<Item> &items) {
        QList<QByteArray> lines;
        for (int i = 0; i < items.size(); ++i) {
            const Item &item = items.at(i);
            lines.append(joinFields({page, run, number(items.size()), number(i), quoted(item.label),
                                     quoted(item.type), quoted(item.value), quoted(item.unit)}));
        }
        return joinLines(lines, "VFXPHDR");
    };
    pages.insert(6, itemPage("6", header.configuration));
    pages.insert(7, itemPage("7", header.evaluation));
    pages.insert(8, joinFields({"8", run, number(header.vbatStart), number(header.vbatStop),
                                number(header.coulombCounterStart),
                                number(header.coulombCounterStop), quoted(header.stopReason)}));
    return pages;
}

SimulatedInstrument::Run SimulatedRumoRuns::makeRun(int index, int records, const QDateTime &start,
                                                    const Header &header)
{
    SimulatedInstrument::Run run;
    run.index = index;
    run.start = start;
    run.listEntry =
        joinFields({"1", number(index), number(records), quotedDateTime(start),
                    quoted(header.label), quoted(header.sensorType), quoted(header.sensorSubType)});
    run.records.reserve(records);
    for (int n = 1; n <= records; ++n) {
        QList<QByteArray> values;
        for (int q = 0; q < header.quantities.size(); ++q)
            values.append(sampleValue(header, n, q));
        run.records.append(
            sampleRecord(index, n, start.addSecs(qint64(n - 1) * header.sampleSeconds), values));
    }
    run.pages = pages(index, records, start, header);
    return run;
}

SimulatedInstrument::Run SimulatedRumoRuns::makeRun(int index, int records, const QDateTime &start)
{
    return makeRun(index, records, start, sensorHeader(index));
}
