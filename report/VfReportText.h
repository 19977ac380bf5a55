#pragma once

#include <QString>
#include <optional>

// The texts in which every report writes the instruments' values. The
// instruments send numbers as text with "." as the decimal point, and leave a
// value they could not measure empty or "---"; a sound level meter writes "OL"
// for an overload. Such a text is never printed or drawn as 0.
class VfReportText
{
public:
    // The text of a value that is not available.
    static QString absent() { return QStringLiteral("---"); }

    // The number a text holds; nothing for "---", an empty text or any other
    // text that is not a finite number.
    static std::optional<double> number(const QString &text);

    // The number with `decimals` decimals in the default locale; "---" for a
    // text that is not a number.
    static QString numberOrAbsent(const QString &text, int decimals);
    // The same for a number that may be empty (NaN) or not finite.
    static QString numberOrAbsent(double value, int decimals);
    // The number with `decimals` decimals in the default locale; a text that
    // is not a number as it stands ("---", "OL"), an empty text as "---".
    static QString numberOrStored(const QString &text, int decimals);

    // A band's axis text from its centre frequency in Hz: "31.5", "63",
    // "1 k", "1.25 k", "12.5 k", in the default locale; the stored text when
    // it is not a number.
    static QString bandLabel(const QString &frequency);
};
