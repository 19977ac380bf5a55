#pragma once

#include "Log.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

// One level record of a sound level meter run: its time and level, the level
// as the instrument sent it ("---" for one it left empty, "OL" overloaded).
// "+VFRDXP: <run>,<number>,<n>,<date>,<time>,<level>[,...]"
class BemariLog : public Log
{
    Q_OBJECT

public:
    static constexpr int RecordFields = 6;

    explicit BemariLog(QObject *parent = nullptr);

    QString level() const { return m_level; }
    void setLevel(const QString &text) { m_level = text; }

    // Fills the record from an object as toJson writes it (a data file).
    virtual void fromJson(const QJsonObject &json);

public slots:
    // 0 taken, 1 a record of fewer than six fields (nothing changed).
    int parseRecord(QByteArray record) override;
    // {"date", "level"}.
    QJsonObject toJson() override;

protected:
    // The fields after the level, of a record already taken.
    virtual void readMoreFields(const QStringList &fields);

private:
    QString m_level;
};
