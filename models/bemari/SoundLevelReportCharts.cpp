#include "SoundLevelReportCharts.h"

#include "Experiment.h"
#include "VfLevelCharts.h"
#include "VfReportText.h"
#include "models/bemari/BemariLog.h"
#include "models/bemari/SoundLevelResults.h"

namespace {

const SoundLevelResults *resultsOf(const Experiment *run)
{
    return run ? qobject_cast<const SoundLevelResults *>(run->results()) : nullptr;
}

// "L" with the weighting letter and "eq" below the line.
QString quantity(const QString &weighting)
{
    return QStringLiteral("L<sub>%1eq</sub>").arg(weighting);
}

} // namespace

std::optional<double> SoundLevelReportCharts::level(const Log *log)
{
    const auto *record = qobject_cast<const BemariLog *>(log);
    return record ? VfReportText::number(record->level()) : std::nullopt;
}

QtCharts::QChart *SoundLevelReportCharts::levelChart(const Experiment *run, int plotWidth)
{
    const SoundLevelResults *results = resultsOf(run);
    const QString letter = results ? results->freqWeighting() : QString();
    return VfLevelCharts::levelOverTime(run ? run->logs() : QList<Log *>(), &level, plotWidth,
                                        quantity(letter) + QStringLiteral(" x ") + tr("Time"),
                                        quantity(letter) + QStringLiteral(" [dB]"));
}

QtCharts::QChart *SoundLevelReportCharts::bandChart(const Experiment *run, char weighting)
{
    const SoundLevelResults *results = resultsOf(run);
    return VfLevelCharts::octaveBands(results ? results->leqList() : QList<LeqPerOctave *>(),
                                      results ? results->octaveAnalysis() : QString(), weighting);
}
