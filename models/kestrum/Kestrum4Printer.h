#pragma once

#include "KestrumPrinter.h"

class Kestrum4Results;
class VfCsvFile;

// The "Kestrum 4" report of one run: a first page with the identification,
// the run's times and the WBGT means of every board, notes and signature;
// then per board (the main unit, then each expansion board) a page with its
// device, partial results and chart, followed by its sample table. The CSV
// file holds every run opened together, a block per board.
class Kestrum4Printer : public KestrumPrinter
{
    Q_OBJECT

public:
    Kestrum4Printer();
    ~Kestrum4Printer() override;

    // The "Partial results" switches, in wet, dry, globe, WBGTi, WBGTo order.
    Switches resultColumns() const { return m_resultColumns; }
    bool resultsEnabled() const { return m_ckbResults; }

public slots:
    // 0 written; -1 when the options were refused, the PDF cannot be
    // written, a table page break went unanswered or the CSV file asked for
    // cannot be written.
    int print() override;
    // The section pages, plus each board's table pages when `withTables`.
    void createTable(bool withTables) override;
    QList<VfSubSuperScript *> tableHeader(Experiment *run) override;

protected:
    void readOwnOptions(const QJsonObject &options) override;
    // The board tables write the bulbs in small letters.
    QStringList temperatureSubscripts() const override;

private:
    Kestrum4Results *results() const;
    QString unity() const;
    // The boards shown: the main unit and at most three expansion boards.
    int boardCount() const;
    VfFullPageTable *createBoardTable(Experiment *run, int board);
    // The table of `board` that createTable built (the caller owns it), or
    // a new one.
    VfFullPageTable *takeBoardTable(int board);
    void drawFirstPage();
    void drawBoardSections(int board);
    void drawExperimentSection();
    void drawEvaluationResults();
    void drawDeviceInfo(int board);
    void drawPartialResults(int board);
    void writeCsv();
    void appendRunToCsv(VfCsvFile &file, Experiment *run) const;

    Switches m_resultColumns{};
    bool m_ckbResults = false;
    int m_sectionPages = 1;
    // The board tables createTable built to count their pages, for printing.
    QList<VfFullPageTable *> m_boardTables;
};
