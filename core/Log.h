#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QObject>
#include <QStringList>

#include "TextEncoding.h"

// One logged sample of a run. Each model derives its own record class.
class Log : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QDateTime registerDate READ registerDate WRITE setRegisterDate NOTIFY logItemChanged)

public:
    explicit Log(QObject *parent = nullptr);

    QDateTime registerDate() const { return m_registerDate; }
    // Stores without a change signal.
    void setRegisterDate(const QDateTime &date) { m_registerDate = date; }

public slots:
    // Reads one "+VFRDXP: " record: 0 read, 1 bad record.
    virtual int parseRecord(QByteArray record);
    virtual QJsonObject toJson();

protected:
    // The fields of one "+VFRDXP: " record: the prefix, double quotes and line
    // feeds removed, read as `encoding` up to a NUL, split at ",". With at
    // least `minimumFields` fields the sample's date-time is taken from fields
    // 3 and 4; with fewer the list is empty and nothing changes.
    QStringList readRecordFields(QByteArray record, int minimumFields,
                                 TextEncoding encoding = TextEncoding::Latin1);

signals:
    void logItemChanged();

protected:
    // The fields of a "+VFRDXP: " record as bytes: the prefix, every double
    // quote and every line feed removed, cut at the first NUL.
    static QByteArray recordBytes(QByteArray record);

private:
    QDateTime m_registerDate;
};
