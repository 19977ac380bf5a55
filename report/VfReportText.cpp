#include "VfReportText.h"

#include <QLocale>
#include <cmath>

namespace {

// Above this, a double holds no fraction any more.
constexpr double kLargestExactHundredths = 9007199254740992.0; // 2^53

} // namespace

std::optional<double> VfReportText::number(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString VfReportText::numberOrAbsent(const QString &text, int decimals)
{
    const std::optional<double> value = number(text);
    return value ? QLocale().toString(*value, 'f', decimals) : absent();
}

QString VfReportText::numberOrAbsent(double value, int decimals)
{
    return std::isfinite(value) ? QLocale().toString(value, 'f', decimals) : absent();
}

QString VfReportText::numberOrStored(const QString &text, int decimals)
{
    const std::optional<double> value = number(text);
    if (value)
        return QLocale().toString(*value, 'f', decimals);
    const QString stored = text.trimmed();
    return stored.isEmpty() ? absent() : stored;
}

QString VfReportText::bandLabel(const QString &frequency)
{
    const std::optional<double> f = number(frequency);
    if (!f)
        return frequency;
    const QLocale locale;
    if (*f >= 1000) {
        // Whole kilohertz without decimals, "1.25 k" with as many as it needs.
        const double kilo = *f / 1000;
        // A frequency beyond any band (a damaged file) has no hundredths to
        // look at, and would not fit the integer.
        const double hundredths = std::round(kilo * 100);
        const int decimals = hundredths > kLargestExactHundredths ? 0
                             : std::fmod(hundredths, 100) == 0    ? 0
                             : std::fmod(hundredths, 10) == 0     ? 1
                                                                  : 2;
        return locale.toString(kilo, 'f', decimals) + QStringLiteral(" k");
    }
    return locale.toString(*f, 'f', *f >= 50 ? 0 : 1);
}
