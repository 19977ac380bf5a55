#pragma once

#include "VfPrinter.h"

#include <QSet>
#include <functional>

class QuillonResults;

// The "Vibration evaluation report" of the opened "QUILLON" runs. The first
// pages hold the identification, the runs as exposure components of the
// working day, the day's evaluation results, the calibration, the notes and
// the signature; each run then gets a page of its own (configuration, sensor,
// limits, acceleration, dose), a page of its accelerations over time, one of
// its band values, and its sample table. The CSV file beside the PDF holds
// every run's band values and samples.
//
// A value the instrument left out ("---") or one that cannot be worked out
// (no exposure time, a day not combined yet) prints as "---", never as 0.
// Times are the instrument's own wall-clock times.
class QuillonPrinter : public VfPrinter
{
    Q_OBJECT

public:
    QuillonPrinter();

    // The application of an evaluation type: "0" WBV, "1" and "2" HAV, "3"
    // 8 kHz, "4" 1 kHz; "---" for any other text.
    static QString applicationText(const QString &evaluationType);

public slots:
    // 0 painted; -1 when the PDF cannot be written, a table page break went
    // unanswered or the CSV file asked for cannot be written.
    int print() override;
    void setReportOptions(QString json) override;
    // The pages print will draw: the first pages as laid out, one page per
    // run, and each run's table pages laid out exactly as they will be drawn.
    void createTable(bool withTable) override;
    QList<VfSubSuperScript *> tableHeader(Experiment *run) override;
    QList<VfTableRow> tableRow(Experiment *run) override;
    // The framework's primitives, 5 px further apart.
    int drawTextAt(QString text, int x, int y, QRect area) override;
    int drawLabelValueAt(QString label, QString value, int x, int y, int dx, int dy,
                         QRect area) override;

public:
    QStringList outputFileNames() const override;
    // `text` in the value font (the exponent of the VDV unit).
    int drawSmallTextAt(const QString &text, int x, int y, const QRect &area);

    // The sections, in the order print draws them.
    void drawIdentification();
    void drawExposureComponents();
    void drawEvaluationResults();
    void drawCalibration();
    void drawConfiguration(Experiment *run);
    void drawSensor(Experiment *run);
    void drawLimits(Experiment *run);
    void drawAcceleration(Experiment *run);
    void drawDose(Experiment *run);
    void drawCharts(Experiment *run);
    void drawOctaves(Experiment *run);
    // Writes the CSV file beside the PDF, once the PDF is written, when it is
    // asked for.
    void exportCsv();

private:
    using Draw = std::function<void()>;

    static QuillonResults *resultsOf(Experiment *run);
    // Whether the run has band values to chart.
    static bool hasBands(Experiment *run);
    // Pages are closed (their footer drawn) once: a sample table draws the
    // footer of its own last page.
    void openPage();
    void closePage();
    QRect textArea() const;
    int columnWidth(int columns) const;
    // A framed section of columns side by side; each column draws its lines
    // from the top it is given and returns its bottom. The frame closes below
    // the lowest column.
    // The section takes `columnCount` places (the columns given, when -1).
    void drawColumnSection(const QString &heading,
                           const QList<std::function<int(int x, int y)>> &columns,
                           int columnCount = -1);
    // Lines of one column from (x, y); the bottom.
    int drawLines(const QStringList &lines, int x, int y);
    // A "VDV... [m/s^1.75]: value" line with the exponent drawn over the
    // unit's blanks `exponentX` pixels right of the label.
    int drawVdvLine(const QString &label, const QString &value, int x, int y, int exponentX);
    void drawNotesAndSignature();

    // The first pages are laid out twice: once on a scratch image to plan
    // where they break (and so how many there are), then on the PDF.
    void planSummaryPages();
    void drawSummaryPages();
    // Draws one block of the first pages at the cursor. When planning, a
    // block that passes the footer moves to a new page; when drawing, the
    // planned breaks are made. `leave` closes what is open on the page left,
    // `resume` reopens it on the new page.
    void drawSummaryBlock(const Draw &draw, const Draw &leave = {}, const Draw &resume = {});
    int summaryBottom() const;

    bool m_ckbCalibration = false;
    bool m_ckbCsv = false;
    bool m_ckbChart = false;
    bool m_ckbOctaves = false;
    bool m_ckbAv = false;
    bool m_ckbAre = false;
    bool m_ckbAren = false;
    bool m_ckbAxisVDV = false;
    bool m_ckbA8 = false;
    bool m_ckbAreFinal = false;
    bool m_ckbArenFinal = false;
    bool m_ckbAxisA8Final = false;
    bool m_ckbVDVFinal = false;
    bool m_ckbAxisVDVFinal = false;
    bool m_ckbA8Final = false;
    bool m_ckbCFDetail = false;
    bool m_ckbPeakDetail = false;
    bool m_ckbMTVVDetail = false;
    bool m_ckbAvgDetail = false;
    bool m_ckbMinDetail = false;
    bool m_ckbMaxDetail = false;
    bool m_ckbSensDetail = false;
    bool m_ckbAvgRDetail = false;
    bool m_ckbAxisVDVDetail = false;
    bool m_ckbAxisVDVexpDetail = false;
    bool m_ckbVDVRDetail = false;
    bool m_ckbA8Detail = false;
    bool m_ckbAreDetail = false;
    bool m_ckbArenDetail = false;

    bool m_pageClosed = false;
    bool m_planning = false;
    int m_blockNumber = 0;
    QSet<int> m_plannedBreaks;
    int m_summaryPages = 1;
};
