#pragma once

#include "Kestrum4EnvironmentalFactors.h"
#include "Log.h"

#include <QJsonObject>
#include <QList>

// One logged sample of a "KESTRUM 4" run: one record per board that measured
// in it, the main unit first, then the expansion boards in order.
class Kestrum4Log : public Log
{
    Q_OBJECT

public:
    // The instrument has the main unit and at most three expansion boards.
    static constexpr int MaxBoards = 4;

    explicit Kestrum4Log(QObject *parent = nullptr);

    QList<Kestrum4EnvironmentalFactors> enviromentalFactorsList() const { return m_records; }
    void setEnviromentalFactorsList(const QList<Kestrum4EnvironmentalFactors> &records)
    {
        m_records = records;
    }

    // Fills the sample from an object as toJson writes it (a data file).
    void fromJson(const QJsonObject &json);

public slots:
    // 0 taken, 1 a record of fewer than 37 fields (nothing changed). A board
    // group whose first field is empty ends the sample's boards.
    int parseRecord(QByteArray record) override;
    // {"date", "enviromentalFactorsList": [one object per board]}
    QJsonObject toJson() override;

private:
    QList<Kestrum4EnvironmentalFactors> m_records;
};
