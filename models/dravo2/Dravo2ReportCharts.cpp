#include "Dravo2ReportCharts.h"

#include "VfLevelCharts.h"
#include "VfPrinter.h"
#include "VfReportChart.h"
#include "VfReportText.h"
#include "models/dravo2/Dravo2Log.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QValueAxis>

#include <cmath>

using namespace QtCharts;

namespace {

// Room under the plot for category labels turned upright.
constexpr int kTurnedLabelRoom = 40;
const QColor kHistogramColour(255, 127, 80);

QString dbTitle(const QString &text)
{
    return text + QStringLiteral(" [dB]");
}

} // namespace

std::optional<double> Dravo2ReportCharts::level(const Log *log)
{
    const auto *sample = qobject_cast<const Dravo2Log *>(log);
    return sample ? VfReportText::number(sample->level()) : std::nullopt;
}

Dravo2ReportCharts::ClassMinutes Dravo2ReportCharts::histogramMinutes(const QList<Log *> &logs,
                                                                      int sampleSeconds)
{
    std::array<qint64, HistogramClasses> seconds{};
    for (const Log *log : logs) {
        const std::optional<double> value = level(log);
        if (!value || *value < 0)
            continue;
        const double index = std::floor(*value / ClassWidthDb);
        if (index >= HistogramClasses)
            continue;
        seconds[size_t(index)] += qMax(0, sampleSeconds);
    }
    ClassMinutes minutes{};
    for (int k = 0; k < HistogramClasses; ++k)
        minutes[k] = seconds[k] / 60.0;
    return minutes;
}

QChart *Dravo2ReportCharts::levelOverTime(const QList<Log *> &logs, int plotWidth)
{
    return VfLevelCharts::levelOverTime(logs, &Dravo2ReportCharts::level, plotWidth,
                                        tr("Noise level x Time"), dbTitle(tr("Noise ").trimmed()));
}

QChart *Dravo2ReportCharts::histogram(const QList<Log *> &logs, int sampleSeconds)
{
    const ClassMinutes minutes = histogramMinutes(logs, sampleSeconds);
    auto *set = new QBarSet(dbTitle(tr("Level ").trimmed()));
    QStringList categories;
    double largest = 0;
    for (int k = 0; k < HistogramClasses; ++k) {
        if (!(minutes[k] > 0))
            continue;
        // A class is named by its upper edge, as on the results page: the
        // class [80, 85) dB reads "85".
        categories.append(QString::number((k + 1) * ClassWidthDb));
        const double value = std::round(minutes[k] * 100) / 100;
        set->append(value);
        largest = qMax(largest, value);
    }

    QChart *chart = VfReportChart::newChart(tr("Histogram"));
    QBarSeries *series = VfReportChart::labelledBars(set, kHistogramColour, 6);
    series->setBarWidth(0.8);
    auto *classes = new QBarCategoryAxis;
    classes->append(categories);
    if (categories.size() > 12)
        classes->setLabelsAngle(-90);
    classes->setTitleText(dbTitle(tr("Noise ").trimmed()));
    auto *time = new QValueAxis;
    VfReportChart::attach(chart, series, classes, time);
    time->setRange(0, largest > 0 ? largest + VfReportChart::labelRoom(largest, 90) : 1);
    time->setTitleText(tr("Time ").trimmed() + QStringLiteral(" [min]"));
    VfReportChart::tidyValueAxis(time);
    return chart;
}

int Dravo2ReportCharts::extraHeight(const QChart *chart)
{
    const auto axes = chart ? chart->axes(Qt::Horizontal) : QList<QAbstractAxis *>();
    for (const QAbstractAxis *axis : axes) {
        if (qobject_cast<const QBarCategoryAxis *>(axis) && axis->labelsAngle() != 0)
            return kTurnedLabelRoom;
    }
    return 0;
}
