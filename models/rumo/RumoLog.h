#pragma once

#include "Log.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// One sample of a logger run: its date-time and one value per quantity of the
// run, kept as the texts the instrument sent. Value i belongs to quantity i of
// the run's results.
class RumoLog : public Log
{
    Q_OBJECT

public:
    explicit RumoLog(QObject *parent = nullptr);

    QStringList physicalQuantitiesList() const { return m_values; }
    void setPhysicalQuantitiesList(const QStringList &values) { m_values = values; }
    // The value of quantity `index`, or an empty text when the sample has
    // none there.
    QString value(int index) const { return m_values.value(index); }

    // The count of value lines that the date line `line` announces (field 3);
    // -1 for a line of fewer than 6 fields.
    static int announcedValues(QByteArray line);

    // Reads a sample object as toJson writes it (a data file).
    void fromJson(const QJsonObject &json);

public slots:
    // One line of a sample: a date line (field 4 is 0) sets the date, a
    // value line adds its value (field 5). 0 taken; 1 a line of fewer than
    // 6 fields.
    int parseRecord(QByteArray record) override;
    // {"date", "physicalQuantitiesList": [value texts]}
    QJsonObject toJson() override;

private:
    QStringList m_values;
};
