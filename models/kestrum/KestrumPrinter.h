#pragma once

#include "KestrumChart.h"
#include "KestrumReadings.h"
#include "VfPrinter.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

class VfCsvFile;
class VfFullPageTable;
struct KestrumRunHeader;

// What the two heat-stress reports share: the switches of the sample table,
// the chart and the CSV file, the identification block, the run's times, the
// "Chart" section, the sample table of one board and the CSV file beside the
// PDF. Every instrument time is shown as the instrument's clock showed it; a
// value that is not available is printed "---".
//
// A report is laid out twice: first measured, so that the number of pages is
// known, then drawn; a section that no longer fits above the bottom band
// starts a new page.
class KestrumPrinter : public VfPrinter
{
    Q_OBJECT

public:
    // The table columns, chart lines and reading order of the quantities:
    // wet, dry, globe, WBGTi, WBGTo.
    using Switches = KestrumChart::Shown;

    Switches tableColumns() const { return m_tableColumns; }
    Switches chartLines() const { return m_chartLines; }
    bool chartEnabled() const { return m_ckbChart; }
    bool csvEnabled() const { return m_ckbCsv; }
    bool calibrationEnabled() const { return m_ckbCalibration; }
    // Whether sample tables are printed: "ckbTable" and a column switched on.
    bool tablesWanted() const;
    bool chartWanted() const { return m_ckbChart && KestrumChart::anyShown(m_chartLines); }

    // The CSV file that goes beside the PDF.
    QString csvFileName() const;
    QStringList outputFileNames() const override;

    // A run's time on the instrument's clock, "hh:mm:ss"; "---" when not
    // known.
    static QString timeText(const QDateTime &time);
    // A value with two decimals in the default locale; "---" when not
    // available.
    static QString twoDecimals(double value);
    // A text as stored, "---" when empty.
    static QString storedText(const QString &text);

public slots:
    void setReportOptions(QString json) override;

protected:
    explicit KestrumPrinter(const QString &title);

    // Reads the family's own switches from the options object.
    virtual void readOwnOptions(const QJsonObject &options) = 0;

    // The lines of the identification block, the date line of `date` in the
    // right column when it is valid; the block is framed.
    void drawIdentificationBlock(const QDateTime &date);
    // Duration and start time at the left, pause and stop time at the right.
    int drawTimes(const KestrumRunHeader &header, int y);
    // The "Chart" section of `readings`.
    void drawChartSection(const QList<KestrumReading> &readings, const QString &unity);
    // How a result value is written.
    using ValueText = QString (*)(double value);
    // A results column: "title [unit]" over "Max: max" and "Min: min".
    static Column extremesColumn(const QString &title, const QString &unity, double max, double min,
                                 ValueText text);
    // A results column: "title [unit]" over "Avg: mean".
    static Column meanColumn(const QString &title, const QString &unity, double mean,
                             ValueText text);
    // A framed section of `columns` under `heading`; with `headed` each
    // column's first line is bold.
    void drawColumnsSection(const QString &heading, const QList<Column> &columns,
                            bool headed = true);

    // The subscripts of the temperature columns' titles: wet, dry, globe.
    virtual QStringList temperatureSubscripts() const;
    // The sample table of `readings` with the switched-on columns.
    VfFullPageTable *readingsTable(const QList<KestrumReading> &readings, const QString &unity);
    QList<VfSubSuperScript *> readingsHeader(const QString &unity);
    static QList<VfTableRow> readingsRows(const QList<KestrumReading> &readings,
                                          const Switches &columns);

    // Writes `file` beside the PDF, once the PDF is written, when "ckbCsv" is
    // set.
    void saveCsv(const VfCsvFile &file);

private:
    Switches m_tableColumns{};
    Switches m_chartLines{};
    bool m_ckbChart = false;
    bool m_ckbCsv = false;
    bool m_ckbCalibration = false;
};
