#pragma once

#include "CalibrationCertificate.h"
#include "VfTableRow.h"

#include <QDateTime>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPrinter>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class Experiment;
class QBuffer;
class QPainter;
class QPdfWriter;
class VfSubSuperScript;
class VfTable;

namespace QtCharts {
class QChart;
class QValueAxis;
} // namespace QtCharts

// The base of every model's PDF report writer. It is the paint device (the
// QPrinter) and owns the one painter that every drawing step uses. It draws the
// frame of each page (top band with logo, title, product and serial number;
// bottom band with a free text and "k of N"), centred section titles, wrapped
// text and label/value blocks, the notes box, the signature block, and the
// sample table of each run, answering that table's page breaks.
//
// Coordinates are device pixels of the printer, relative to the painter's
// window (the printable area inside the margins).
//
// The pages are painted into memory, on a PDF writer with the printer's page
// layout and resolution; endPainting writes the finished PDF and the files
// that go with it (CSV exports) together: all of them replace their old files
// (WholeFile::writeTogether), or none does.
//
// The order a report is driven in: setProductName, setSn, setCalibration,
// setReportOptions, setExperiment, print; when print gives 0, endPainting and
// openReport. A family's print calls beginPainting, measureBottomBand,
// drawTopBand, its sections, drawNotes, drawSignatureLine, createTable, further
// pages through finishPage, drawBottomBand on its last page and printRunTable.
class VfPrinter : public QObject, public QPrinter
{
    Q_OBJECT

public:
    explicit VfPrinter(QPrinter::PrinterMode mode = QPrinter::ScreenResolution);
    ~VfPrinter() override;

    // Registers the FreeFont faces carried in the resources with the font
    // database, once. Every text of a report is drawn in these faces.
    static void registerReportFonts();
    // A report face ("FreeSans", "FreeSerif", "FreeMono") at a pixel size.
    static QFont reportFont(const QString &family, int pixelSize, int weight = QFont::Normal,
                            bool italic = false);
    // Puts the chart's title, legend and every axis's labels and title in the
    // report's sans face, so that no chart text falls back to a system face.
    // Axis labels given a smaller pixel size keep it.
    static void applyReportFonts(QtCharts::QChart *chart, int pixelSize = 8);

    // Renders `chart` into `area` of the page (painter window coordinates)
    // in the report's faces, then deletes it. The chart is laid out before it
    // is drawn, so that its axes and legend are complete without the event
    // loop running.
    void renderChart(QtCharts::QChart *chart, const QRect &area);
    // Runs `work` on the GUI thread, waiting for it when the report is
    // written on another. Charts are made, laid out and rendered in such
    // work: the chart library keeps state of its own that the pages' charts
    // use on the GUI thread, so no other thread may touch it.
    static void onGuiThread(const std::function<void()> &work);

    // The creator written into the PDF: "Suite Valtrix " + the build revision.
    static QString pdfCreator();

    // Set-up, as Core drives a report.
    void setProductName(QString productName) { m_productName = productName; }
    QString productName() const { return m_productName; }
    void setSn(QString sn) { m_sn = sn; }
    QString sn() const { return m_sn; }
    void setCalibration(CalibrationCertificate calibration) { m_calibration = calibration; }
    CalibrationCertificate calibration() const { return m_calibration; }
    void setExperiment(Experiment *head) { m_experiment = head; }
    Experiment *experiment() const { return m_experiment; }

    QPainter *painter() const { return m_painter; }

    // 0 when painting began; -1 when the report options were refused.
    int beginPainting();
    // Ends the painter and writes the PDF file and the files beside it
    // together: 0, or -1 when the PDF could not be finished or a file could
    // not be written (failedFileName and failedReason say which and why), in
    // which case every old file stays as it was.
    int endPainting();
    // The next page of the PDF being painted.
    bool newPage() override;
    // Makes `name` (".pdf" appended unless it ends so) the PDF file. Returns 1.
    int setOutputFile(QString name);
    // The PDF file that print writes.
    QString reportFileName() const { return outputFileName(); }
    // Every file print writes: the PDF, and what a family writes beside it.
    virtual QStringList outputFileNames() const { return {reportFileName()}; }
    // The file a failed report could not write: a file written beside the
    // PDF when that one failed, else the PDF.
    QString failedFileName() const
    {
        return m_failedFileName.isEmpty() ? reportFileName() : m_failedFileName;
    }
    // The system's reason why failedFileName could not be written; empty when
    // it is not known.
    QString failedReason() const { return m_failedReason; }
    // Hands the finished PDF to the desktop's viewer; false when no viewer
    // took it. A viewer that cannot be started does not make the report a
    // failure.
    bool openReport();

    // Report options that every family shares (their JSON keys are the
    // members' names, the sample-table switch is "ckbTable").
    bool tableEnabled() const { return m_tableEnable; }
    bool notesEnabled() const { return m_obsEnable; }
    bool logoEnabled() const { return m_logoEnable; }
    QString logoFile() const { return m_logoFile; }
    QString notesText() const { return m_obsText; }
    QString ownCompany() const { return m_ownCompany; }
    QString companyName() const { return m_cmpnyName; }
    QString siteName() const { return m_siteName; }
    QString collectorName() const { return m_collectorName; }
    QString reporterName() const { return m_repName; }
    QString reporterId() const { return m_repIdReg; }
    QString employeeName() const { return m_emplName; }
    bool ownCompanyShown() const { return m_ownCompanyInfoEnable; }
    bool companyShown() const { return m_cmpnyInfoEnable; }
    bool siteShown() const { return m_siteInfoEnable; }
    bool collectorShown() const { return m_collectorInfoEnable; }
    bool reporterShown() const { return m_repInfoEnable; }
    bool reporterIdShown() const { return m_repIdInfoEnable; }
    bool employeeShown() const { return m_emplInfoEnable; }

    int pageNumber() const { return m_pageNumber; }
    int pageCount() const { return m_pageCount; }
    int cursorY() const { return m_cursorY; }
    int contentTop() const { return m_contentTop; }
    int footerHeight() const { return m_footerHeight; }

    // Page bands and text blocks; each returns the height it took, in pixels.
    int drawTopBand();
    int drawBottomBand();
    void measureBottomBand();
    // Closes the page (bottom band) and opens the next (top band); returns the
    // new cursor.
    int finishPage();
    // Opens the next page (top band) after a page whose bottom band is drawn;
    // returns the new cursor.
    int startPage();
    // The lowest cursor a section may reach above the bottom band.
    int pageBottom() const;

    // While measuring, the page bands, texts, section titles and frames,
    // notes, signature and charts move the cursor and count pages exactly as
    // they would, but paint nothing and start no PDF page. A report lays its
    // pages out this way first, so that "k of N" is known on every page.
    void setMeasuring(bool measuring) { m_measuring = measuring; }
    bool measuring() const { return m_measuring; }
    // Draws `section` at the cursor, on the next page when it would reach into
    // the bottom band (unless it starts a page already).
    void placeSection(const std::function<void()> &section);
    // The notes, on the next page when the room left would cut their text.
    void placeNotes();
    // True when notes drawn at the cursor would be cut at the room kept for
    // the signature, and would not be on a page of their own.
    bool notesWouldBeCut();
    int drawDateLine(const QDateTime &dateTime, int x, int y);
    int drawDateLineShort(int x, int y);
    void drawParagraph(const QString &text);
    void drawSectionFrame(int top, int bottom);
    void drawNotes();
    void drawSignatureLine();

    // Prints the sample table of one run on pages of its own. 0 printed (or
    // nothing to print), -1 when a page break went unanswered.
    int printRunTable(Experiment *run);
    // The same for a table the family built (taken over and deleted).
    int printTable(VfTable *table);
    // Pages `table` takes when printed from the top of a page.
    int tablePages(VfTable *table) const;

    // A tidy range with a fixed tick count and a label format for a chart's
    // value axis, from the axis's current minimum and maximum.
    static void setAxisRange(QtCharts::QValueAxis *axis);
    // `value` in the system locale with `decimals` decimals and zeros put in
    // front until `intDigits` characters stand before the decimal separator.
    static QString zeroPaddedNumber(double value, int intDigits, int decimals);
    // A calendar day in the system locale's short date format.
    static QString dateText(const QDate &date);

signals:
    // Page `page` of `pageCount` is written (its bottom band drawn). A
    // report may be written on a worker thread: connect with a queued
    // connection there.
    void pageWritten(int page, int pageCount);

public slots:
    // The family's report sequence: 0 painted, non-zero failed.
    virtual int print() = 0;
    // Reads the options text from the report window. The base reads the
    // common keys; families read their own keys after them.
    virtual void setReportOptions(QString json);
    // Works out pageCount: one page, one more per run, and the pages of each
    // run's sample table when `withTable` is set.
    virtual void createTable(bool withTable);
    virtual VfTable *createRunTable(Experiment *run);
    virtual QList<VfSubSuperScript *> tableHeader(Experiment *run);
    virtual QList<QString> tableExtraList(Experiment *run);
    virtual QList<VfTableRow> tableRow(Experiment *run);
    virtual void drawPageEnd(int y);
    virtual int drawTextAt(QString text, int x, int y, QRect area);
    virtual int drawLabelValue(QString label, QString value, int x, int y, QRect area);
    virtual int drawLabelValueAt(QString label, QString value, int x, int y, int dx, int dy,
                                 QRect area);

    // Answers of the page-break handshake of the table being printed.
    void newTablePage();
    void finishTablePage();

protected:
    // The height `section` takes when laid out (measured) from the top of a
    // page; the cursor is left where it was.
    int heightOnNewPage(const std::function<void()> &section);
    // Lays the pages out with `drawPages` measuring, then sets the cursor and
    // the page number back; the pages laid out, the one the cursor stood on
    // included.
    int measurePages(const std::function<void()> &drawPages);

    // The faces of a report of framed sections: "FreeMono" 8 px for the
    // table body and header, "FreeSans" 10 px bold for section titles and
    // 10 px for texts, 9 px for charts.
    void useSectionReportFonts();

    // One column of lines drawn side by side with others.
    using Column = QStringList;

    // The width between the side insets of the page.
    int contentWidth() const;
    // A framed section: its heading centred, then the frame's top, which
    // closeSection needs. The cursor is inside the frame, in the label font.
    int openSection(const QString &heading);
    // Closes the frame opened at `top` at the cursor and moves the painter's
    // origin there.
    void closeSection(int top);
    // `label` with its indices and chain at (x, y), in its own fonts; its
    // height.
    int drawLabel(VfSubSuperScript &label, int x, int y);
    // A line of text in the label font wrapped at `width`; its height.
    int drawLine(const QString &text, int x, int y, int width, bool bold = false);
    // Columns of lines side by side across the page from y, each line wrapped
    // in its column; a headed column's first line is bold. The bottom of the
    // longest column.
    int drawColumns(const QList<Column> &columns, int y, bool headed = true);
    // The same in the text font throughout, with `count` columns that stand
    // one inset further apart than their width (spacedColumnLefts).
    int drawSpacedColumns(const QList<Column> &columns, int y);
    // Left edges of `count` columns of contentWidth() / `count` pixels, each
    // an inset beyond the one before: inset + k * (width + inset).
    QList<int> spacedColumnLefts(int count) const;
    // Columns of lines with their left edges at `lefts`, each line wrapped at
    // `width` or at the content's right edge, whichever comes first; a headed
    // column's first line is bold. The bottom of the longest column.
    int drawColumnsAt(const QList<Column> &columns, const QList<int> &lefts, int width, int y,
                      bool headed = false);
    // Draws a chart at (inset, y), `height` tall across the content width, and
    // deletes it; the height taken.
    int drawChart(QtCharts::QChart *chart, int y, int height);
    // The height of each of `count` charts that share what is left of the page
    // below the cursor and above `reserve` pixels: at most `full`, at least
    // `least`.
    int sharedChartHeight(int count, int reserve, int full, int least) const;

    // Parses the options text and stores the common keys. False (and nothing
    // changed) when the text is not JSON; a JSON text that is not an object
    // reads as an empty object. Options that are no JSON object or name no
    // file make beginPainting, and so every family's print, fail. `object` receives the parsed
    // object so that a family can read its own keys.
    bool readCommonOptions(const QString &json, QJsonObject *object = nullptr);
    // The title of the sample table of `run`: which run it is when the
    // report prints the tables of several, else none.
    QString tableCaption(const Experiment *run) const;
    // Pages the sample table of `run` takes, laid out from the top of a page
    // exactly as printRunTable draws it (which then prints this very table). A table wider than the
    // page clears the table switch and takes none.
    int runTablePages(Experiment *run);

    int m_spacing = 3;
    int m_inset = 3;
    // Set by the reports that print the sample table of every run of the
    // chain: in a chain of several runs each table then names its run.
    bool m_runTablesNamed = false;
    CalibrationCertificate m_calibration;
    QPainter *m_painter = nullptr;
    Experiment *m_experiment = nullptr;

    bool m_ownCompanyInfoEnable = false;
    bool m_cmpnyInfoEnable = false;
    bool m_siteInfoEnable = false;
    bool m_collectorInfoEnable = false;
    bool m_repInfoEnable = false;
    bool m_repIdInfoEnable = false;
    bool m_logoEnable = false;
    bool m_obsEnable = false;
    bool m_tableEnable = false;
    bool m_emplInfoEnable = false;

    QString m_reportTitle;
    QString m_footerText;
    QString m_ownCompany;
    QString m_cmpnyName;
    QString m_siteName;
    QString m_collectorName;
    QString m_repName;
    QString m_repIdReg;
    QString m_logoFile;
    // The logo as the top band draws it, read once.
    QImage m_logo;
    QString m_productName;
    QString m_sn;
    QString m_obsText;
    QString m_emplName;

    int m_footerMargin = 4;
    int m_headerGap = 3;
    int m_sectionEndY = 0;
    int m_pageNumber = 0;
    int m_pageCount = 0;
    int m_contentTop = 0;
    int m_footerHeight = 0;
    int m_cursorY = 0;

    QFont m_tableBodyFont;
    QFont m_tableHeaderFont;
    QFont m_sectionTitleFont;
    QFont m_labelFont;
    QFont m_valueFont;
    QFont m_familyFont;

    VfTable *m_currentTable = nullptr;
    // Sample tables that runTablePages built to count their pages, kept for
    // printRunTable, so that a table is built and measured once.
    QHash<const Experiment *, VfTable *> m_countedTables;
    bool m_measuring = false;
    // Set by options that are no JSON object or name no file: print fails.
    bool m_optionsRefused = false;
    // The file of the report (the PDF or a file beside it) that could not be
    // written, and the system's reason.
    QString m_failedFileName;
    QString m_failedReason;

    // Has endPainting write `content` to `fileName` once the PDF is written:
    // a file that goes with the report, such as its CSV export.
    void writeBesidePdf(const QString &fileName, const QByteArray &content);

private:
    // The PDF being painted, in memory until endPainting writes it.
    std::unique_ptr<QBuffer> m_pdf;
    std::unique_ptr<QPdfWriter> m_pdfWriter;
    QList<QPair<QString, QByteArray>> m_besidePdf;

    // Height of `text` drawn in `area` with `flags` in the painter's font.
    int textHeight(const QString &text, const QRect &area, int flags) const;
};
