#pragma once

#include "Device.h"

#include <QString>

class RumoConfig;

// The "RUMO" multi-sensor logger: its sample interval ("AT+VFINTVL"), its
// sensor's calibration certificate ("AT+VFSENCTF", held in the device's
// calibration record in place of the instrument certificate of the other
// models) and the run header of header pages 1 to 7 and the common page 8.
// It has no schedules and no service word.
class Rumo : public Device
{
    Q_OBJECT

public:
    // For a data file: no link, product name "RUMO".
    Rumo();
    // Takes over the identity, calibration and link of a probed device.
    explicit Rumo(Device *probed);

    // "AT+VFINTVL?" into `config`: 0 read; -1 ERROR; -2 BUSY (no signal); -3
    // not sent or any other reply.
    int readSampleInterval(RumoConfig *config);
    // "AT+VFINTVL=<seconds>" of an "mm:ss" interval. An interval the
    // instrument does not take (see RumoConfig::intervalSeconds) gives -1 and
    // sends nothing. 0 done; -1 ERROR; -2 BUSY (no signal); -3 not sent or any
    // other reply.
    int writeSampleInterval(const QString &sampleTime);

public slots:
    // Header pages 1 to 7 of the run, then the common page 8; null when one
    // of pages 1 to 7 fails (BUSY emits `busy()`). A failed page 8 leaves its
    // fields at their defaults. The caller owns the results.
    Results *readExperimentHeader(Experiment *run) override;
    // The sample interval into a new configuration, which replaces the held
    // one only when the read succeeded.
    int readConfig() override;
    int writeConfig() override;
    int readSchedules() override { return -1; }
    int writeSchedules() override { return -1; }
    int readServiceConfig() override { return 0; }
    int writeCalibration(const CalibrationCertificate &certificate) override;
    int readCalibration() override;
};
