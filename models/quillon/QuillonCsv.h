#pragma once

#include "VfCsvFile.h"

#include <QCoreApplication>

class Experiment;

// The CSV file of the vibration report: for each run of the chain, its band
// values axis by axis with their frequencies, then its samples. Numbers are
// written with two decimals in the locale's number format; a value that is
// not a number is written as it came ("---").
class QuillonCsv
{
    // The titles belong with the report's other texts.
    Q_DECLARE_TR_FUNCTIONS(QuillonPrinter)

public:
    // The file of the chain that starts at `head`.
    static VfCsvFile build(Experiment *head);

private:
    static void appendRun(VfCsvFile &csv, Experiment *run);
    // Eleven empty cells, each followed by ";".
    static void appendSeparator(VfCsvFile &csv);
};
