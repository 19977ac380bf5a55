#include "Dravo2Dose.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>

namespace {

// The decimal value of log10(2) the instrument family uses; kept as this
// constant so that the levels agree with the instrument's own.
const double kLog10Of2 = 0.30103;
const double kLn10 = 2.302585092994046;
const int kSecondsPerDay = 24 * 3600;

double log10Of(double value)
{
    return std::log(value) / kLn10;
}

// Level factor of an exchange rate: the level change for a tenfold dose.
bool levelFactor(const QString &exchangeRate, double *k)
{
    bool ok = false;
    const float q = exchangeRate.toFloat(&ok);
    if (!ok || q <= 0)
        return false;
    *k = q / kLog10Of2;
    return true;
}

} // namespace

QString Dravo2Dose::absent()
{
    return QCoreApplication::translate("Dravo2Results", "---");
}

QString Dravo2Dose::format(double value)
{
    if (!std::isfinite(value))
        return absent();
    return QStringLiteral("%1").arg(value, 3, 'f', 2, QLatin1Char('0'));
}

int Dravo2Dose::workingSeconds(const QString &workingHours)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
    const QRegularExpressionMatch match = pattern.match(workingHours);
    if (!match.hasMatch())
        return -1;
    const int hours = match.captured(1).toInt();
    const int minutes = match.captured(2).toInt();
    const int seconds = hours * 3600 + minutes * 60;
    if (minutes > 59 || seconds <= 0 || seconds > kSecondsPerDay)
        return -1;
    return seconds;
}

QString Dravo2Dose::dailyDose(const QString &dose, int workSeconds, int runSeconds)
{
    bool ok = false;
    const float d = dose.toFloat(&ok);
    if (!ok || runSeconds <= 0 || workSeconds <= 0)
        return absent();
    const float product = d * float(workSeconds);
    return format(product / float(runSeconds));
}

QString Dravo2Dose::exposureLevel(const QString &dose, const QString &criterionLevel,
                                  const QString &exchangeRate, int runSeconds)
{
    bool doseOk = false;
    bool criterionOk = false;
    const float d = dose.toFloat(&doseOk);
    const float lc = criterionLevel.toFloat(&criterionOk);
    double k = 0;
    if (!doseOk || !criterionOk || d <= 0 || runSeconds <= 0 || !levelFactor(exchangeRate, &k))
        return absent();
    const double ratio = (double(ReferenceDay) / runSeconds) * (double(d) / 100.0);
    return format(lc + k * log10Of(ratio));
}

QString Dravo2Dose::normalisedLevel(const QString &exposureLevel, const QString &exchangeRate,
                                    int workSeconds)
{
    bool ok = false;
    const float ne = exposureLevel.toFloat(&ok);
    double k = 0;
    if (!ok || workSeconds <= 0 || !levelFactor(exchangeRate, &k))
        return absent();
    return format(ne + k * log10Of(double(workSeconds) / ReferenceDay));
}
