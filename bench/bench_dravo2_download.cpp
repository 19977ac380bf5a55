// Times the download of a long dosimeter run (28,800 one-second samples, a
// full 8 h day) from a simulated "DRAVO 2" in another process, the parsing of
// its records and header, and the save and reopen of the run as a ".drv" file.
// Prints wall-clock and CPU time of each step; the CPU time is this process's
// own.

#include "BenchDownload.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    return benchDownloadSaveReopen(QStringLiteral("DRAVO 2"), 28800);
}
