#pragma once

#include <QByteArray>
#include <QList>
#include <functional>

class Device;
class Experiment;
class Log;

// Downloads one listed run as the application does: a new run of the device's
// model with the entry's header, its records in blocks, then its header pages.
class RunDownload
{
public:
    // 0 with the new run in `run` (the caller owns it); -1 when the records or
    // the header could not be read; -3 when the link was lost.
    static int download(Device *device, const Experiment *entry, Experiment **run);

    // For report tests of runs of any length: downloads the first run the
    // device lists (its header pages those of the long run), then gives it
    // `records`, each read by a new log from `newLog`, so that the long
    // run's records need not go over the link. The run (the caller owns it),
    // or null when the download failed.
    static Experiment *downloadWithRecords(Device *device, const QList<QByteArray> &records,
                                           const std::function<Log *()> &newLog);
};
