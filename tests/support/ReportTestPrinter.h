#pragma once

#include "Experiment.h"
#include "Log.h"
#include "VfNormalTable.h"
#include "VfPrinter.h"
#include "VfSubSuperScript.h"

#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

// A run of `samples` logs, one every `intervalSeconds` from `start`.
inline Experiment *makeReportRun(int samples, const QDateTime &start, int intervalSeconds)
{
    auto *run = new Experiment;
    QList<Log *> logs;
    for (int i = 0; i < samples; ++i) {
        auto *log = new Log;
        log->setRegisterDate(start.addSecs(qint64(i) * intervalSeconds));
        logs.append(log);
    }
    run->setLogs(logs);
    return run;
}

// A report writer as a model family would write one: an identification page
// with a summary table, notes and signature, one page per run with a chart,
// and the sample table of every run at the end. Its samples are one reading
// per log, `Log::registerDate` giving the date rows.
class ReportTestPrinter : public VfPrinter
{
    Q_OBJECT

public:
    ReportTestPrinter()
    {
        m_reportTitle = QStringLiteral("Test Report");
        m_footerText = QStringLiteral("Footer text of the test report");
        m_runTablesNamed = true;
    }

    int print() override
    {
        if (beginPainting() != 0)
            return -1;
        measureBottomBand();
        m_contentTop = m_cursorY = drawTopBand();
        drawParagraph(QStringLiteral("Identification"));
        const QRect area = m_painter->window();
        m_cursorY += drawLabelValue(QStringLiteral("Company: "), m_cmpnyName, 0, m_cursorY, area);
        m_cursorY += drawLabelValue(QStringLiteral("Site: "), m_siteName, 0, m_cursorY, area);
        drawSummaryTable();
        drawIndexedLabels();
        drawNotes();
        drawSignatureLine();
        createTable(m_tableEnable);
        for (Experiment *run = m_experiment ? m_experiment->first() : nullptr; run;
             run = run->next()) {
            finishPage();
            drawRunPage(run);
        }
        drawBottomBand();
        if (!m_tableEnable || !m_experiment)
            return 0;
        for (Experiment *run = m_experiment->first(); run; run = run->next()) {
            if (printRunTable(run) != 0)
                return -1;
        }
        return 0;
    }

    QList<VfSubSuperScript *> tableHeader(Experiment *) override
    {
        auto *level = label(QStringLiteral("L"), QStringLiteral("Aeq"));
        auto *unit = label(QStringLiteral("[dB]"));
        level->setNext(unit);
        return {label(QStringLiteral("Idx")), label(QStringLiteral("Time")), level,
                label(QStringLiteral("E"), QString(), QStringLiteral("2"))};
    }

    QList<VfTableRow> tableRow(Experiment *run) override
    {
        QList<VfTableRow> rows;
        int index = 1;
        for (Log *log : run->logs()) {
            const QDateTime at = log->registerDate();
            rows.append(VfTableRow({QString::number(index), at.time().toString("hh:mm:ss"),
                                    QStringLiteral("%1.%2").arg(60 + index % 30).arg(index % 10),
                                    QStringLiteral("R%1").arg(index)},
                                   at.date()));
            ++index;
        }
        return rows;
    }

private:
    VfSubSuperScript *label(const QString &text, const QString &sub = QString(),
                            const QString &sup = QString())
    {
        auto *result = new VfSubSuperScript(text, sub, sup, nullptr);
        result->setParent(this);
        return result;
    }

    void drawSummaryTable()
    {
        VfNormalTable table(m_painter);
        table.setRows(
            {VfTableRow({QStringLiteral("Dose"), QStringLiteral("12.50"), QStringLiteral("13.75")}),
             VfTableRow(
                 {QStringLiteral("TWA"), QStringLiteral("80.10"), QStringLiteral("81.20")})});
        table.setHeaderTitles({QStringLiteral("Quantity"), QStringLiteral("Dosimeter 1"),
                               QStringLiteral("Dosimeter 2")});
        const int below = table.draw(0, m_cursorY);
        if (below > 0)
            m_cursorY = below + m_spacing;
    }

    void drawIndexedLabels()
    {
        VfSubSuperScript unit(QStringLiteral("m"), QString(), QStringLiteral("3"), nullptr);
        VfSubSuperScript level(QStringLiteral("L"), QStringLiteral("Cpeak"), QString(), &unit);
        level.setFont(reportFont(QStringLiteral("FreeSans"), 12));
        m_cursorY += level.draw(0, m_cursorY, m_painter) + m_spacing;
        m_painter->resetTransform();
    }

    void drawRunPage(Experiment *run)
    {
        drawParagraph(QStringLiteral("Run %1").arg(run->position()));
        m_cursorY +=
            drawLabelValue(QStringLiteral("Samples: "), QString::number(run->logs().size()), 0,
                           m_cursorY, m_painter->window());
        drawChart(run);
    }

    void drawChart(Experiment *run)
    {
        using namespace QtCharts;
        auto *chart = new QChart;
        chart->setTitle(QStringLiteral("Level chart"));
        auto *series = new QLineSeries;
        series->setName(QStringLiteral("Level"));
        int index = 0;
        for (Log *log : run->logs())
            series->append(log->registerDate().toMSecsSinceEpoch(), 60 + (index++ % 30));
        chart->addSeries(series);
        auto *time = new QDateTimeAxis;
        time->setFormat(QStringLiteral("hh:mm"));
        auto *values = new QValueAxis;
        chart->addAxis(time, Qt::AlignBottom);
        chart->addAxis(values, Qt::AlignLeft);
        series->attachAxis(time);
        series->attachAxis(values);
        values->setRange(60, 89);
        setAxisRange(values);
        const int height = 220;
        renderChart(chart, QRect(0, m_cursorY, m_painter->window().width(), height));
        m_cursorY += height;
    }
};
