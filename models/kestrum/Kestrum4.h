#pragma once

#include "KestrumDevice.h"

// The "KESTRUM 4" heat-stress monitor with up to three expansion boards:
// header pages 1 to 4 hold a run's interval, unit and times, its boards, and
// per board the WBGT means and the temperature extremes. It holds no
// configuration until one was read or written.
class Kestrum4 : public KestrumDevice
{
    Q_OBJECT

public:
    // For a data file: no link, product name "KESTRUM 4".
    Kestrum4();
    // Takes over the identity, calibration and link of a probed device.
    explicit Kestrum4(Device *probed);

public slots:
    // Pages 1 to 4, then page 8, into a new Kestrum4Results (owned by the
    // caller); null when a page before page 8 fails.
    Results *readExperimentHeader(Experiment *run) override;

protected:
    KestrumConfig *makeConfig() const override;
};
