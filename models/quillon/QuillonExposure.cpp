#include "QuillonExposure.h"

#include <cmath>
#include <limits>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

} // namespace

double QuillonExposure::scaledVdv(double vdv, double factor, double seconds, double totalTime)
{
    if (!(totalTime > 0))
        return kNaN;
    if (seconds == 0)
        return 0;
    return vdv * factor * std::pow(seconds / totalTime, 0.25);
}

QuillonExposure::Daily QuillonExposure::combine(const QList<Component> &components,
                                                int workingSeconds)
{
    AxisNumbers fourthPowers{};
    AxisNumbers axisSquares{};
    double squares = 0;
    double fc = kNaN;
    for (const Component &run : components) {
        for (int a = 0; a < Axes; ++a)
            fourthPowers[a] += std::pow(run.vdvExposure[a], 4);
        if (run.seconds > 0) {
            const double share = run.seconds / ReferenceDay;
            for (int a = 0; a < Axes; ++a)
                axisSquares[a] += run.axisAcceleration[a] * run.axisAcceleration[a] * share;
            squares += run.acceleration * run.acceleration * run.seconds;
        }
        for (double crest : run.crestFactors) {
            if (!std::isnan(crest))
                fc = std::isnan(fc) ? std::max(0.0, crest) : std::max(fc, crest);
        }
    }
    Daily daily;
    for (int a = 0; a < Axes; ++a) {
        daily.vdvExposure[a] = std::pow(fourthPowers[a], 0.25);
        daily.a8[a] = std::sqrt(axisSquares[a]);
    }
    daily.vdvR = std::pow(fourthPowers[0] + fourthPowers[1] + fourthPowers[2], 0.25);
    daily.are = workingSeconds > 0 ? std::sqrt(squares / workingSeconds) : kNaN;
    daily.aren = std::sqrt(squares / ReferenceDay);
    daily.fc = fc;
    return daily;
}

double QuillonExposure::rescaleAre(double are, int fromSeconds, int toSeconds)
{
    if (fromSeconds <= 0 || toSeconds <= 0)
        return kNaN;
    return are * std::sqrt(double(fromSeconds) / toSeconds);
}
