#pragma once

#include "Log.h"

#include <QString>

// One logged sample of a dosimeter run: the three dosimeters' average levels,
// the sound level and the peak field, kept as the instrument sent them.
class Dravo2Log : public Log
{
    Q_OBJECT
    Q_PROPERTY(
        QString lavgDosimeter1 READ lavgDosimeter1 WRITE setLavgDosimeter1 NOTIFY levelChanged)

public:
    explicit Dravo2Log(QObject *parent = nullptr);

    QString lavgDosimeter1() const { return m_lavgDosimeter1; }
    void setLavgDosimeter1(const QString &text) { m_lavgDosimeter1 = text; }
    QString lavgDosimeter2() const { return m_lavgDosimeter2; }
    void setLavgDosimeter2(const QString &text) { m_lavgDosimeter2 = text; }
    QString lavgDosimeter3() const { return m_lavgDosimeter3; }
    void setLavgDosimeter3(const QString &text) { m_lavgDosimeter3 = text; }
    QString level() const { return m_level; }
    void setLevel(const QString &text) { m_level = text; }
    QString pk() const { return m_pk; }
    void setPk(const QString &text) { m_pk = text; }

    // Fills the record from an object as toJson writes it (a data file).
    void fromJson(const QJsonObject &json);

public slots:
    // 0 taken, 1 a record of fewer than 10 fields (nothing changed).
    int parseRecord(QByteArray record) override;
    QJsonObject toJson() override;

signals:
    void levelChanged();

private:
    QString m_lavgDosimeter1;
    QString m_lavgDosimeter2;
    QString m_lavgDosimeter3;
    QString m_level;
    QString m_pk;
};
