#pragma once

#include "VfPrinter.h"

#include <QRect>
#include <QSize>
#include <QStringList>

class TolvarResults;

// The report of one pump run ("TOLVAR 3 PLUS Report"): page 1 holds the
// identification, the "Experiment", "Experiment results" and "Calibration"
// blocks, the user's pictures, the notes and the signature; a page with the
// flow and backpressure charts follows when either is asked for, then the
// sample table on pages of its own. Only the head of the run chain is
// reported. Pressures are printed in kPa or in inH2O.
class TolvarPrinter : public VfPrinter
{
    Q_OBJECT

public:
    // Where one of the user's pictures goes: scaled into `box` (keeping its
    // proportions) and centred in `area`.
    struct PictureCell
    {
        QRect area;
        QSize box;
    };

    TolvarPrinter();

    // A pressure in kPa as inH2O.
    static double kPaToInH2O(double kPa);
    // The cells of `count` pictures in a band `width` wide from (0, 0): one
    // picture takes the whole band, more go two to a row.
    static QList<PictureCell> pictureCells(int count, int width, int spacing);

    bool pressureInKPa() const { return m_rdkPa; }
    QStringList pictures() const { return m_pictures; }

public slots:
    // 0 painted; -1 when there is no pump run to report, the PDF cannot be
    // written or a table page break went unanswered.
    int print() override;
    void setReportOptions(QString json) override;
    // One page, one more for the charts when either is asked for, plus the
    // pages the sample table takes laid out exactly as it will be drawn.
    void createTable(bool withTable) override;
    QList<VfSubSuperScript *> tableHeader(Experiment *run) override;
    QList<VfTableRow> tableRow(Experiment *run) override;

    // The report's blocks, in the order print draws them.
    void drawIdentification();
    void drawExperimentSection();
    void drawResults();
    void drawCalibration();
    void drawPictures();
    void drawCharts();
    // One chart at (x, y), `widthFactor` of the content width wide; the
    // height it took.
    int drawFlowChart(int x, int y, float widthFactor);
    int drawBackpressureChart(int x, int y, float widthFactor);

protected:
    // The first line of the right column of the "Experiment" block.
    virtual QString statusLine() const;
    // Whether the charts draw the samples as points rather than as a line.
    virtual bool samplesAsPoints() const { return false; }
    // Reads the options a model adds to the pump report's.
    virtual void readModelOptions(const QJsonObject &options) { Q_UNUSED(options) }

    TolvarResults *results() const;

private:
    bool chartPageWanted() const;
    // A pressure in kPa in the report's unit, with one decimal.
    QString pressureText(double kPa) const;
    QString pressureUnit() const;
    QString flowCheckLine(const QString &label, const QString &flow, const QDateTime &time) const;
    // Where a picture entry's file is on this computer.
    static QString pictureFile(const QString &entry);

    bool m_ckbChartFlow = false;
    bool m_ckbChartBackPressure = false;
    bool m_rdkPa = false;
    bool m_ckbCalField = false;
    bool m_ckbPreCal = false;
    bool m_ckbPosCal = false;
    bool m_ckbCalLab = false;
    bool m_ckbFlowCalLab = false;
    bool m_activityInfoEnable = false;
    bool m_positionInfoEnable = false;
    QString m_flowCalCalibration;
    QString m_activity;
    QString m_position;
    QStringList m_pictures;
};
