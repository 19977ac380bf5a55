#pragma once

#include "Device.h"

// An air-sampling pump ("TOLVAR 3 PLUS", and "TOLVAR 4" through its own
// class). It offers no configuration and no schedules; a run's results come
// from its header page 1 into the results class of its model. Everything else
// (identity, clock, run list, records, memory erase, calibration) is the
// common device's.
class Tolvar : public Device
{
    Q_OBJECT

public:
    // For a data file: no link, product name "TOLVAR 3 PLUS".
    Tolvar();
    // Takes over the identity, calibration and link of a probed device.
    explicit Tolvar(Device *probed);

public slots:
    // Header page 1 of the run into new results (owned by the caller), or
    // null: not sent, ERROR, BUSY (after busy()), silence or a page the
    // results refuse.
    Results *readExperimentHeader(Experiment *run) override;

protected:
    // For a data file of the pump model `productName`.
    explicit Tolvar(const QString &productName);
};
