// Times the download of the longest run a "QUILLON" records (32,400 samples:
// 9 h at one sample a second) from a simulated vibration meter in another
// process, next to the time the same bytes take on the line, then the save
// and reopen of the run as a ".qln" file. Prints wall-clock and CPU time of
// each step; the CPU time is this process's own.

#include "BenchDownload.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? QString(argv[1]).toInt() : 32400;
    return benchDownloadSaveReopen(QStringLiteral("QUILLON"), records);
}
