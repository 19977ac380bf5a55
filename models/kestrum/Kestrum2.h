#pragma once

#include "KestrumDevice.h"

// The "KESTRUM 2" heat-stress monitor: header pages 1 to 3 hold a run's
// interval, unit and times, its WBGT means and its temperature extremes.
class Kestrum2 : public KestrumDevice
{
    Q_OBJECT

public:
    // For a data file: no link, product name "KESTRUM 2".
    Kestrum2();
    // Takes over the identity, calibration and link of a probed device and
    // holds an empty configuration.
    explicit Kestrum2(Device *probed);

public slots:
    // Pages 1 to 3, then page 8, into a new Kestrum2Results (owned by the
    // caller); null when a page before page 8 fails.
    Results *readExperimentHeader(Experiment *run) override;

protected:
    KestrumConfig *makeConfig() const override;
};
