#pragma once

#include "VfCellTexts.h"
#include "VfTableRow.h"

#include <QFont>
#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QVector>

#include <map>

class QPainter;
class VfSubSuperScript;

// The base of the report table painters. It keeps copies of the rows, the
// measured column widths and row heights, the fonts, and the two answer flags
// of the page-break handshake: a table that runs out of page emits
// finishPage, then newPage, and the report writer answers each on a direct
// connection, within the emit, by setting the matching flag. The table never
// spins the event loop while a report is painted, so a break that was not
// answered by the time the emit returns is a failure.
class VfTable : public QObject
{
    Q_OBJECT

public:
    explicit VfTable(QPainter *painter);

    // Sum of the column widths; 0 for a table without columns.
    int totalWidth() const;
    // Days from the first row's date to the last row's; 0 without rows.
    int dayCount() const;
    // Pages the table takes when drawn at (x, y); 0 when it draws nothing.
    virtual int pageCount(int x, int y) const;

    int headerHeight() const { return m_headerHeight; }
    void setHeaderHeight(int height) { m_headerHeight = height; }
    int rowHeight() const { return m_rowHeight; }
    void setRowHeight(int height) { m_rowHeight = height; }
    int rowCount() const { return m_rowCount; }
    int columnCount() const { return m_columnCount; }
    QFont bodyFont() const { return m_bodyFont; }
    void setBodyFont(const QFont &font) { m_bodyFont = font; }
    QFont headerFont() const { return m_headerFont; }
    void setHeaderFont(const QFont &font) { m_headerFont = font; }
    QFont smallFont() const { return m_smallFont; }
    void setSmallFont(const QFont &font) { m_smallFont = font; }
    bool pageFinished() const { return m_pageFinished; }
    void setPageFinished(bool finished) { m_pageFinished = finished; }
    bool newPageDone() const { return m_newPageDone; }
    void setNewPageDone(bool done) { m_newPageDone = done; }
    // Pixels kept free at the bottom of every page (the writer's bottom band).
    int topMargin() const { return m_bottomReserve; }
    void setTopMargin(const int &reserve) { m_bottomReserve = reserve; }
    QList<VfTableRow> rows() const { return m_rows; }
    QList<int> columnWidths() const { return m_columnWidths; }
    QStringList headerTitles() const { return m_headerTitles; }

    // The answers of the handshake; each clears its flag. 0 answered, -1 not.
    int waitPageFinished();
    int waitNewPageDone();

public slots:
    virtual void setHeader(QList<VfSubSuperScript *> titles);
    virtual void setRows(QList<VfTableRow> rows);
    virtual int draw(int x, int y);
    virtual int drawHeader(int x, int y);
    virtual int drawRow(QStringList cells, int rowHeight, int x, int y);
    virtual int drawDateRow(QString date, int x, int y);

signals:
    void newPage();
    void finishPage();

protected:
    // Column font and alignment of a cell, for measuring and drawing alike.
    struct CellStyle
    {
        QFont font;
        int flags;
    };
    virtual CellStyle cellStyle(int column) const;
    // Keeps copies of the rows and measures them: every column as wide as its
    // widest cell and every row as tall as the tallest cell.
    void measureRows(const QList<VfTableRow> &rows);
    // Raises the width of `column` to `width` when it is wider.
    void widenColumn(int column, int width);
    // Draws the cells left to right from (x, y), one rectangle per column;
    // cells past the end of a short row are left empty.
    void drawCells(const QStringList &cells, int height, int x, int y);
    // The text that `text` is measured and drawn as in `column`: its shape
    // where the column's digits are alike.
    QString drawnAs(int column, const QString &text) const;

    int m_cellPaddingX = 0;
    int m_cellPaddingY = 0;
    QPainter *m_painter;
    QList<VfTableRow> m_rows;
    QList<int> m_columnWidths;
    int m_rowHeight = 0;
    QStringList m_headerTitles;
    QList<VfSubSuperScript *> m_headerLabels;
    int m_headerHeight = 0;
    int m_bottomReserve = 0;
    int m_columnCount = 0;
    int m_rowCount = 0;
    QFont m_bodyFont;
    QFont m_headerFont;
    QFont m_smallFont;
    // The texts (or shapes) each column holds more than once, drawn from
    // layouts kept in m_cellTexts.
    QVector<QSet<QString>> m_repeated;
    QVector<bool> m_digitsAlike;
    std::map<int, VfCellTexts> m_cellTexts;
    bool m_newPageDone = false;
    bool m_pageFinished = false;
};
