#pragma once

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
};
