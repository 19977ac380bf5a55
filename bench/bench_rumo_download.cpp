// Times the download of a long "RUMO" run (28,800 samples of five quantities,
// each sample a date line and five value lines) from a simulated logger in
// another process, the cutting of its lines into samples and its header, next
// to the line time of the same bytes, and the save and reopen of the run as a
// ".rmx" file. The CPU time is this process's own.

#include "BenchDownload.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    return benchDownloadSaveReopen(QStringLiteral("RUMO"), 28800);
}
