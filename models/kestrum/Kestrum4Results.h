#pragma once

#include "Kestrum4ExpansionBoard.h"
#include "Kestrum4MaxMinTemperatures.h"
#include "Kestrum4WbgtMean.h"
#include "KestrumRunHeader.h"
#include "Results.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>

// The header of one "KESTRUM 4" run: interval, unit and times (page 1), the
// expansion boards with their certificates (page 2) and, per board (the main
// unit first), the WBGT means (page 3) and the temperature extremes (page 4).
class Kestrum4Results : public Results
{
    Q_OBJECT

public:
    // The instrument carries at most three expansion boards.
    static constexpr int MaxExpansions = 3;

    explicit Kestrum4Results(QObject *parent = nullptr);

    // Header pages 1 to 4 as the download leaves them. 0 read; -1 for too
    // few fields or another page number, nothing changed. Only complete
    // groups of a board's fields are read.
    int parseHeaderPage1(QByteArray reply);
    int parseHeaderPage2(QByteArray reply);
    int parseHeaderPage3(QByteArray reply);
    int parseHeaderPage4(QByteArray reply);

    // Reads a "results" object as toJson writes it (a data file); the
    // expansion count stays as written.
    void fromJson(const QJsonObject &json);

    const KestrumRunHeader &header() const { return m_header; }
    void setHeader(const KestrumRunHeader &header) { m_header = header; }
    int numberOfExpansions() const { return m_numberOfExpansions; }
    void setNumberOfExpansions(int count) { m_numberOfExpansions = count; }
    // The boards a reader shows: the main unit and the expansions, with the
    // count held to what the instrument can carry.
    int boardCount() const;
    QList<Kestrum4ExpansionBoard> expansionBoardList() const { return m_boards; }
    void setExpansionBoardList(const QList<Kestrum4ExpansionBoard> &boards) { m_boards = boards; }
    QList<Kestrum4WbgtMean> wbgtList() const { return m_means; }
    void setWbgtList(const QList<Kestrum4WbgtMean> &means) { m_means = means; }
    QList<Kestrum4MaxMinTemperatures> maxMinTemperatures() const { return m_extremes; }
    void setMaxMinTemperatures(const QList<Kestrum4MaxMinTemperatures> &extremes)
    {
        m_extremes = extremes;
    }

public slots:
    QJsonObject toJson() override;

private:
    KestrumRunHeader m_header;
    int m_numberOfExpansions = 0;
    QList<Kestrum4ExpansionBoard> m_boards;
    QList<Kestrum4WbgtMean> m_means;
    QList<Kestrum4MaxMinTemperatures> m_extremes;
};
