#pragma once

#include <QString>

// The dose values that depend on the user's working hours, derived from what
// the dosimeter measured. Every result is a text with two decimals, or "---"
// when the value cannot be derived (no dose, no run time, an unreadable level).
class Dravo2Dose
{
public:
    // Seconds in the reference working day of 8 h.
    static constexpr int ReferenceDay = 28800;

    // Working hours "h:mm" or "hh:mm" as seconds: more than 0 and at most 24 h.
    // -1 when the text is refused.
    static int workingSeconds(const QString &workingHours);

    // The dose `dose` (percent over `runSeconds`) scaled to `workSeconds`.
    static QString dailyDose(const QString &dose, int workSeconds, int runSeconds);
    // The exposure level over the measured time.
    static QString exposureLevel(const QString &dose, const QString &criterionLevel,
                                 const QString &exchangeRate, int runSeconds);
    // The exposure level normalised to `workSeconds` from the stored exposure
    // level text.
    static QString normalisedLevel(const QString &exposureLevel, const QString &exchangeRate,
                                   int workSeconds);

    // Two decimals, or "---" for a value that is not finite.
    static QString format(double value);
    static QString absent();
};
