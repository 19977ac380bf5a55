#pragma once

#include <QList>
#include <array>

// The daily vibration exposure over the runs of a working day, each run one
// exposure component with the time the user gave it:
// - a run's VDV per axis scaled to its exposure time;
// - the daily A(8) per axis, the daily VDV per axis and their resultant;
// - the resultant exposure over the working hours (are) and over the 8 h
//   reference day (aren), and the greatest crest factor.
//
// A value that is not a number (NaN: a "---" from the instrument) is never
// taken as 0: every daily value that depends on it is NaN too. A run with no
// exposure time adds nothing to the time-weighted sums, whatever its values.
class QuillonExposure
{
public:
    // Seconds in the reference day of 8 h.
    static constexpr int ReferenceDay = 28800;
    static constexpr int Axes = 3;
    using AxisNumbers = std::array<double, Axes>;

    // What one run brings to the day.
    struct Component
    {
        double seconds = 0;        // its exposure time
        AxisNumbers vdvExposure{}; // its VDV scaled to that time
        double acceleration = 0;   // a_rep or a_mr, by the run's switch
        AxisNumbers axisAcceleration{};
        AxisNumbers crestFactors{};
    };

    struct Daily
    {
        AxisNumbers a8;
        AxisNumbers vdvExposure;
        double vdvR;
        double are;
        double aren;
        // The greatest crest factor (not below 0); NaN when no crest factor
        // of the day is a number.
        double fc;
    };

    // The run's VDV scaled to `seconds` of exposure: vdv x factor x
    // (seconds / totalTime)^0.25; 0 for no exposure; NaN when the run's
    // total time is not positive.
    static double scaledVdv(double vdv, double factor, double seconds, double totalTime);

    // The day of `components` over `workingSeconds` (more than 0).
    static Daily combine(const QList<Component> &components, int workingSeconds);

    // `are` of a day combined over `fromSeconds` of working hours, for
    // `toSeconds` instead.
    static double rescaleAre(double are, int fromSeconds, int toSeconds);
};
