#pragma once

#include "SimulatedInstrument.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>

// Runs of a simulated "RUMO" logger: the run-list entry, the multi-line
// samples (a date line announcing N, then N value lines) and header pages 1 to
// 8, written as the instrument sends them. Every value comes from a Header, so
// a test can change one and find it again in the downloaded results.
class SimulatedRumoRuns
{
public:
    struct Quantity
    {
        QByteArray code;
        QByteArray unit; // ISO 8859-1 bytes, as on the wire
        double base;     // the samples wave between base and base + span
        double span;
    };

    struct Item
    {
        QByteArray label;
        QByteArray type;
        QByteArray value;
        QByteArray unit;
    };

    struct Header
    {
        QByteArray label = "OFFICE 2";
        QByteArray sensorType = "AMB";
        QByteArray sensorSubType;
        int sampleSeconds = 60;
        int pauseSeconds = 120;
        QByteArray sensorSN = "S-0042";
        QByteArray sensorCertificate = "SCERT-7";
        QDateTime sensorCalibration;
        QList<Quantity> quantities;
        // Statistics as the instrument writes them; an empty list is worked
        // out from the samples (three decimals).
        QList<QByteArray> minima;
        QList<QByteArray> averages;
        QList<QByteArray> maxima;
        QList<Item> configuration;
        QList<Item> evaluation;
        int vbatStart = 4100;
        int vbatStop = 3950;
        int coulombCounterStart = 1400;
        int coulombCounterStop = 1180;
        QByteArray stopReason = "USER";
    };

    // The sensors the simulator cycles through, by run index: 1 an ambient
    // sensor (five quantities), 2 a light and UV sensor, 3 a carbon monoxide
    // sensor, 4 a magnetic-field sensor; then again.
    static Header sensorHeader(int index);

    static SimulatedInstrument::Run makeRun(int index, int records, const QDateTime &start,
                                            const Header &header);
    static SimulatedInstrument::Run makeRun(int index, int records, const QDateTime &start);

    // The value text of quantity `quantity` (0-based) in sample `number`
    // (1-based).
    static QByteArray sampleValue(const Header &header, int number, int quantity);
    // The statistics the run reports: given in the header or worked out.
    static QList<QByteArray> minima(const Header &header, int records);
    static QList<QByteArray> averages(const Header &header, int records);
    static QList<QByteArray> maxima(const Header &header, int records);

    // The lines of one sample as the instrument frames them inside a
    // "+VFRDXP: " reply (a record text of the simulated instrument).
    static QByteArray sampleRecord(int index, int number, const QDateTime &time,
                                   const QList<QByteArray> &values);

private:
    static QMap<int, QByteArray> pages(int index, int records, const QDateTime &start,
                                       const Header &header);
};
