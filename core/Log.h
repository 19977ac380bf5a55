#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QObject>

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

signals:
    void logItemChanged();

protected:
    // The fields of a "+VFRDXP: " record as bytes: the prefix, every double
    // quote and every line feed removed, cut at the first NUL.
    static QByteArray recordBytes(QByteArray record);

private:
    QDateTime m_registerDate;
};
