#include "QuillonFile.h"

#include "DeviceDateTime.h"
#include "QuillonExperiment.h"
#include "QuillonLog.h"
#include "QuillonModel.h"
#include "QuillonResults.h"
#include "VfReportText.h"

#include <QJsonArray>
#include <array>
#include <cmath>
#include <optional>

namespace {

using Axis = QuillonResults::Axis;
constexpr int kAxes = QuillonResults::AxisCount;

// The time-weighted mean square acceleration of each axis over the samples.
// A sample whose interval or value is not a number is left out of that axis,
// never counted as 0.
class SampleMeans
{
public:
    void add(const QuillonLog &sample)
    {
        const std::optional<double> interval = VfReportText::number(sample.interval());
        if (!interval)
            return;
        m_totalTime += *interval;
        const QString values[kAxes] = {sample.awX(), sample.awY(), sample.awZ()};
        for (int a = 0; a < kAxes; ++a) {
            const std::optional<double> aw = VfReportText::number(values[a]);
            if (!aw)
                continue;
            m_squares[a] += *aw * *aw * *interval;
            m_times[a] += *interval;
        }
    }

    double totalTime() const { return m_totalTime; }

    std::optional<double> meanSquare(int axis) const
    {
        if (!(m_times[axis] > 0))
            return std::nullopt;
        return m_squares[axis] / m_times[axis];
    }

    // The root mean square of one axis, as the instrument's am.
    QString rms(int axis) const
    {
        const std::optional<double> mean = meanSquare(axis);
        return mean ? text(std::sqrt(*mean)) : VfReportText::absent();
    }

    // The vector sum of the three axes, as the instrument's a_mr.
    QString vectorSum() const
    {
        double sum = 0;
        for (int a = 0; a < kAxes; ++a) {
            const std::optional<double> mean = meanSquare(a);
            if (!mean)
                return VfReportText::absent();
            sum += *mean;
        }
        return text(std::sqrt(sum));
    }

private:
    // Two decimals with a full stop, as the instrument writes its values.
    static QString text(double value)
    {
        return QStringLiteral("%1").arg(value, 3, 'f', 2, QLatin1Char('0'));
    }

    double m_totalTime = 0;
    std::array<double, kAxes> m_squares{};
    std::array<double, kAxes> m_times{};
};

bool absent(const QJsonValue &value)
{
    return value.isNull() || value.isUndefined();
}

} // namespace

QuillonFile::QuillonFile(const QString &fileName)
    : VfFile(fileName, quillonProductName())
{
}

Experiment *QuillonFile::parseRun(const QJsonObject &object)
{
    auto *run = new QuillonExperiment;
    run->readCommonJson(object);
    run->setExp_Name(object.value(QStringLiteral("expName")).toString());
    run->setType(object.value(QStringLiteral("experimentType")).toString());

    SampleMeans means;
    QList<Log *> logs;
    const QJsonArray records = object.value(QStringLiteral("logList")).toArray();
    for (const QJsonValue &record : records) {
        auto *log = new QuillonLog;
        log->fromJson(record.toObject());
        means.add(*log);
        logs.append(log);
    }
    run->setLogs(logs);

    const QJsonObject stored = object.value(QStringLiteral("results")).toObject();
    auto *results = new QuillonResults;
    results->fromJson(stored);
    if (absent(stored.value(QStringLiteral("totalTime"))))
        results->setTotalTime(means.totalTime());
    if (absent(stored.value(QStringLiteral("amrGlobal"))))
        results->setAmrGlobal(means.vectorSum());
    // Older files stored the a_rep values under "am": the am values are then
    // the samples' root mean squares.
    if (absent(stored.value(QStringLiteral("arepX")))) {
        for (int a = 0; a < kAxes; ++a) {
            QuillonResults::AxisValues &values = results->axis(Axis(a));
            values.arep = values.am;
            values.am = means.rms(a);
        }
    }
    run->setResults(results);
    return run;
}
