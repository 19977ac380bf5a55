#pragma once

#include "VfPrinter.h"

#include <QList>
#include <QStringList>

#include <optional>

class RumoResults;

// The "Rumo Report" of a chain of "RUMO" runs. The first page holds the
// identification, one line per run in the sensor list, the notes and the
// signature; each run then gets a page of its own with its configuration,
// evaluation results, limits and averages and the charts of the selected
// quantities, followed by its sample table when one is asked for.
//
// The selections are indexes into a run's quantity list, made on one run but
// applied to every run of the chain: a quantity a run does not have is left
// out of its table and charts and its statistics print as "---".
class RumoPrinter : public VfPrinter
{
    Q_OBJECT

public:
    // The chart grid: up to four rows, two charts to a paired row.
    static constexpr int ChartRows = 4;
    static constexpr int ChartColumns = 2;
    static constexpr int MaxCharts = ChartRows * ChartColumns;

    RumoPrinter();

    QList<int> selectedTableColumns() const { return m_selectedTableColumns; }
    QList<int> selectedCharts() const { return m_selectedCharts; }
    bool chartsSwitch() const { return m_ckbChart; }
    bool maxMinShown() const { return m_ckbMaxMin; }
    bool averageShown() const { return m_ckbAvg; }
    bool calibrationShown() const { return m_ckbCalibration; }

    // How many of `count` charts share rows two by two; the rest take a row
    // each. Up to four charts take a row each; beyond that just enough are
    // paired for all to fit in four rows.
    static int pairedCharts(int count);

    // The chart of quantity `quantity` of `run` over time, for a plot about
    // `plotWidth` pixels wide; the caller owns it. Values the instrument left
    // empty are left out; a flat series stands between 0 and its value. Null
    // when the run has no such quantity.
    static QtCharts::QChart *quantityChart(const Experiment *run, int quantity, int plotWidth);

public slots:
    // 0 painted; -1 when the PDF cannot be written or a table page break went
    // unanswered.
    int print() override;
    void setReportOptions(QString json) override;
    // One page, one per run, and the pages of every run's sample table when
    // `withTable` is set and the run has a selected quantity.
    void createTable(bool withTable) override;
    QList<VfSubSuperScript *> tableHeader(Experiment *run) override;
    QList<VfTableRow> tableRow(Experiment *run) override;

    // The report's blocks, in the order print draws them.
    void drawHeaderInformation();
    void drawSensorInformation();
    // Opens the run's page.
    void drawConfiguration(Experiment *run);
    void drawEvaluationResults(Experiment *run);
    void drawLimitsAndAverage(Experiment *run);
    void drawCharts(Experiment *run);

private:
    static RumoResults *resultsOf(const Experiment *run);
    // The selected quantities that `run` has, in selection order.
    static QList<int> presentQuantities(const QList<int> &selected, const Experiment *run);
    // The value of a sample or statistic text in the instrument's single
    // precision; nothing when the text is no number or beyond single
    // precision, which the instrument cannot have measured.
    static std::optional<double> singleValue(const QString &text);
    // The statistic text `text` with two decimals (held in single precision,
    // as the instrument computes it), or "---".
    static QString statisticText(const QString &text);

    // A row of cells side by side at `y`, each wrapped in its column of
    // `width` from `x`; the bottom of the tallest cell.
    int drawCells(const QStringList &cells, const QList<int> &x, int width, int y);
    // Starts a new page below a page whose bottom band is already drawn.
    void startPage();

    QList<int> m_selectedTableColumns;
    bool m_ckbChart = false;
    QList<int> m_selectedCharts;
    bool m_ckbMaxMin = false;
    bool m_ckbAvg = false;
    bool m_ckbCalibration = false;
    // The runs whose sample tables the page count holds.
    QList<const Experiment *> m_tabledRuns;
};
