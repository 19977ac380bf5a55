#pragma once

#include <optional>

// The A and C frequency weightings of IEC 61672-1 at the nominal
// one-third-octave band centres from 10 Hz to 20 kHz, for the reports of the
// sound level instruments.
class VfFrequencyWeighting
{
public:
    // The correction in dB of weighting 'A' or 'C' (0 for 'Z') at the
    // one-third-octave band whose centre is nearest `frequencyHz`, so that
    // "31.50", "31.5" and "32.00" all take the 31.5 Hz value. Nothing when the
    // frequency lies outside 10 Hz to 20 kHz or the weighting is unknown.
    static std::optional<double> correction(double frequencyHz, char weighting);
};
