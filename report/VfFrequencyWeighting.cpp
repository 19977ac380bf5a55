#include "VfFrequencyWeighting.h"

#include <cmath>

namespace {

// Corrections at the nominal one-third-octave centres from 10 Hz (position 0)
// to 20 kHz (position 33).
constexpr int kBandPositions = 34;
constexpr double kAWeighting[kBandPositions] = {
    -70.4, -63.4, -56.7, -50.5, -44.7, -39.4, -34.6, -30.2, -26.2, -22.5, -19.1, -16.1,
    -13.4, -10.9, -8.6,  -6.6,  -4.8,  -3.2,  -1.9,  -0.8,  0.0,   0.6,   1.0,   1.2,
    1.3,   1.2,   1.0,   0.5,   -0.1,  -1.1,  -2.5,  -4.3,  -6.6,  -9.3};
constexpr double kCWeighting[kBandPositions] = {
    -14.3, -11.2, -8.5, -6.2, -4.4, -3.0, -2.0, -1.3, -0.8, -0.5, -0.3, -0.2,
    -0.1,  0.0,   0.0,  0.0,  0.0,  0.0,  0.0,  0.0,  0.0,  0.0,  -0.1, -0.2,
    -0.3,  -0.5,  -0.8, -1.3, -2.0, -3.0, -4.4, -6.2, -8.5, -11.2};

} // namespace

std::optional<double> VfFrequencyWeighting::correction(double frequencyHz, char weighting)
{
    if (!(frequencyHz > 0) || !std::isfinite(frequencyHz))
        return std::nullopt;
    // The one-third-octave positions are a tenth of a decade apart from 10 Hz.
    const double position = std::round(10.0 * std::log10(frequencyHz / 10.0));
    if (position < 0 || position >= kBandPositions)
        return std::nullopt;
    const int index = int(position);
    switch (weighting) {
    case 'A':
        return kAWeighting[index];
    case 'C':
        return kCWeighting[index];
    case 'Z':
        return 0.0;
    default:
        return std::nullopt;
    }
}
