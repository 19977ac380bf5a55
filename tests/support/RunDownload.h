#pragma once

#include "SimulatedInstrument.h"

class Device;
class Experiment;

// Downloads one listed run as the application does: a new run of the device's
// model with the entry's header, its records in blocks, then its header pages.
class RunDownload
{
public:
    // 0 with the new run in `run` (the caller owns it); -1 when the records or
    // the header could not be read; -3 when the link was lost.
    static int download(Device *device, const Experiment *entry, Experiment **run);
    // A run of any length for report tests: `listed` (a run of one record
    // with the whole run's header pages) is put on `instrument` and
    // downloaded through `device` as above, then given `records`, read
    // directly, so that a long run is quick to make. The run (the caller owns
    // it), or null when the download failed.
    static Experiment *downloadWithRecords(Device *device, SimulatedInstrument &instrument,
                                           const SimulatedInstrument::Run &listed,
                                           const QList<QByteArray> &records);
};
