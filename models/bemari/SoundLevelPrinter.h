#pragma once

#include "VfPrinter.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class SoundLevelResults;

// What the "Noise Report" of the two sound level meters shares: the options
// both read, the report sequence, the identification block, the laboratory
// calibration, the field checks, the configuration of a run, and the layout
// that lets a long chain flow over pages.
//
// The first page holds the identification, one measuring-points row per run,
// the laboratory calibration, the notes and the signature; each run then gets
// a page of its own with its sections (and, on the "BEMARI+", a page of
// charts), followed by its sample table when one is asked for.
//
// Nothing is drawn over the bottom band: a section that does not fit below
// the cursor starts a new page, and a section of rows continues on the next
// page under its header row repeated. The page count comes from the same
// sequence laid out once without painting, so every page's "k of N" holds.
class SoundLevelPrinter : public VfPrinter
{
    Q_OBJECT

public:
    // Report option switches, as the last options text set them.
    bool levelChartShown() const { return m_ckbChartLvl; }
    bool bandChartShown(char weighting) const;
    bool preCheckShown() const { return m_ckbPreChk; }
    bool postCheckShown() const { return m_ckbPosChk; }
    bool instrumentCalibrationShown() const { return m_ckbCalLab; }
    bool calibratorCalibrationShown() const { return m_ckbCalAudLab; }
    QString calibratorCertificate() const { return m_audCertified; }

    // A level or check text as the report prints it: a number in the system
    // locale with two decimals and at least two digits before the separator
    // (5.3 gives 05.30), converted in single precision when `single` is set;
    // any other text as it stands ("---", "OL"), an empty text as "---".
    static QString levelText(const QString &text, bool single);
    // The deviation between two field checks, worked out in single precision
    // like the checks themselves; "---" unless both are numbers.
    static QString deviationText(const QString &pre, const QString &post);

public slots:
    // 0 painted; -1 when the PDF cannot be written or a table page break went
    // unanswered.
    int print() override;
    // Reads the shared options, then the model's own switches. A text that is
    // not JSON changes nothing.
    void setReportOptions(QString json) override;
    // The page-count pass: the pages of the sections, as print laid them
    // out without painting, and with `withTable` those of every run's sample
    // table. A table too wide for the page switches every table off, and
    // then no table page is counted.
    void createTable(bool withTable) override;

protected:
    SoundLevelPrinter();

    // A cell of the measurement sections. A level cell is an "L" with its
    // small index, followed by `text`; any other cell is `text` alone.
    struct Cell
    {
        QString text;
        QString subscript;
        bool level = false;
    };
    using CellRow = QList<Cell>;

    // The model's own keys of the options object.
    virtual void readModelOptions(const QJsonObject &options) = 0;
    // The measuring-points section of the first page.
    virtual void layOutMeasuringPoints() = 0;
    // A run's own sections, from the top of the page that opens them up to
    // (not including) the bottom band of their last page.
    virtual void layOutRun(Experiment *run) = 0;
    // The pages the run's sample table takes (page-count pass).
    int tablePageCount(Experiment *run);
    // "Charts" of a run: the level chart when `level`, then the band chart
    // of each of `weightings`, one below the other, each at most `bandHeight`
    // tall. The charts share the room left above the bottom band, none below
    // about 110 px; when even that does not fit below the cursor, the section
    // starts a new page.
    void layOutCharts(Experiment *run, bool level, const QList<char> &weightings, int bandHeight);
    // The weightings among Z, C and A (in this order) whose band charts are
    // switched on.
    QList<char> bandChartWeightings() const;

    // The run's results when they are of the class `T`, else null.
    template <class T>
    static T *resultsOf(const Experiment *run);
    static SoundLevelResults *soundLevelResults(const Experiment *run);

    // ------------------------------------------------------------ sections
    // The identification block at the top of the first page.
    void layOutIdentification();
    // "Laboratory calibration": the instrument's certificate and the sound
    // calibrator's, by their switches.
    void layOutLaboratoryCalibration();
    // "Field ver. @ 1kHz" of a run; `absentDeviation` prints the deviation
    // line as "---" when it cannot be worked out (else it is left out),
    // `spacingBelow` is the gap under the last line.
    void layOutFieldCheck(Experiment *run, bool absentDeviation, int spacingBelow);
    // "Configuration" of a run: event and task name, then the times, and
    // `settings` as a further column.
    void layOutConfiguration(Experiment *run, int columns, const Column &durationColumn,
                             const Column &settings);
    // The duration and pause lines of a run's configuration.
    Column durationColumn(const SoundLevelResults &results) const;
    // The weighting texts as the report words them; an unknown time weighting
    // gives an empty text.
    QString timeWeightingText(const QString &timeWeighting) const;

    // A titled block of `columns` columns holding `rows` of cells; with
    // `header`, the header row stands above the rows and is drawn again above
    // the rows that continue on a new page. A row is as tall as its tallest
    // cell.
    void layOutRows(const QString &title, int columns, const CellRow &header,
                    const QList<CellRow> &rows);
    // Cell `column` of `columns` at y; its height.
    int layOutCell(const Cell &cell, int column, int columns, int y);
    // One row of cells at y; the row's bottom.
    int layOutCellRow(const CellRow &cells, int columns, int y);
    // Columns of cells side by side from y, each cell below the one above it
    // in its column; the bottom of the longest column.
    int layOutCellColumns(const QList<CellRow> &columns, int y);
    // A level cell: the indexed "L", " [dB]: " and the value text.
    static Cell levelCell(const QString &subscript, const QString &value);
    // A column title: the indexed "L" and " [dB]".
    static Cell levelTitle(const QString &subscript);
    // A text area `width` wide at the origin, for the text helpers.
    static QRect areaOf(int width);

    // Starts a new page below `rows` that would reach into the bottom band
    // from the cursor; draws nothing.
    void makeRoom(const std::function<void()> &rows);

    bool m_ckbChartLvl = false;
    bool m_ckbLeqZ = false;
    bool m_ckbLeqA = false;
    bool m_ckbLeqC = false;
    bool m_ckbCalField = false;
    bool m_ckbPreChk = false;
    bool m_ckbPosChk = false;
    bool m_ckbCalLab = false;
    bool m_ckbCalAudLab = false;
    QString m_audCertified;

private:
    // The first page's sections, then every run's own pages.
    void layOutFirstPage();
    void layOutRunPages();

    // The pages of the first page's and the runs' sections.
    int m_sectionPages = 1;
};

template <class T>
T *SoundLevelPrinter::resultsOf(const Experiment *run)
{
    return qobject_cast<T *>(soundLevelResults(run));
}
