#pragma once

#include "Device.h"

#include <QByteArray>

class QuillonConfig;

// The "QUILLON" human-vibration meter: its service word, its sample interval
// and the header sections of its runs.
//
// Every exchange returns 0 done, -1 ERROR (or a value refused before
// sending), -2 BUSY, -3 not sent or no usable reply. None of them emits
// `busy()`: the instrument's BUSY travels as the code alone.
class Quillon : public Device
{
    Q_OBJECT

public:
    // For a data file: no link, product name "QUILLON".
    Quillon();
    // Takes over the identity, calibration and link of a probed device.
    explicit Quillon(Device *probed);

    int serviceConfig() const { return m_serviceConfig; }

    // "AT+VFINTVL?" into `config`.
    int readInterval(QuillonConfig *config);
    // "AT+VFINTVL=<seconds>" from "mm:ss". A text that is not minutes, ":"
    // and two second digits, or that comes to 0 s, gives -1 and sends nothing.
    int writeInterval(const QString &sampleTime);

public slots:
    // Header sections 1 to 5 and 7, then the common page 8; null when a
    // section before page 8 fails. The caller owns the results.
    Results *readExperimentHeader(Experiment *run) override;
    // A new configuration from the instrument; the held one stays on failure.
    int readConfig() override;
    // Writes the held configuration's interval; -1 without a QuillonConfig.
    int writeConfig() override;
    int readServiceConfig() override;

private:
    int m_serviceConfig = 0;
};
