// Times the download of the longest run an air-sampling pump holds (32,400
// samples: the 9 h a run may last, one sample a second) from a simulated
// "TOLVAR 3 PLUS" and "TOLVAR 4" in another process, next to the time the same
// bytes take on the line, then the save and reopen of the run as a ".tlv" and
// ".tl4" file. Prints wall-clock and CPU time of each step; the CPU time is
// this process's own.

#include "BenchDownload.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? QString(argv[1]).toInt() : 32400;
    for (const QString &model : {QStringLiteral("TOLVAR 3 PLUS"), QStringLiteral("TOLVAR 4")}) {
        if (benchDownloadSaveReopen(model, records) != 0)
            return 1;
    }
    return 0;
}
