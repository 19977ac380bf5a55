#pragma once

#include "Log.h"

#include <QString>

// One logged sample of a vibration run, kept as the instrument sent it: the
// time it covers, the frequency-weighted acceleration, VDV and crest factor
// of each axis, and the sample's a_mr. A value the record left empty is
// "---".
class QuillonLog : public Log
{
    Q_OBJECT
    Q_PROPERTY(QString awX READ awX WRITE setAwX NOTIFY logChanged)
    Q_PROPERTY(QString awY READ awY WRITE setAwY NOTIFY logChanged)
    Q_PROPERTY(QString awZ READ awZ WRITE setAwZ NOTIFY logChanged)
    Q_PROPERTY(QString vdvX READ vdvX WRITE setVdvX NOTIFY logChanged)
    Q_PROPERTY(QString vdvY READ vdvY WRITE setVdvY NOTIFY logChanged)
    Q_PROPERTY(QString vdvZ READ vdvZ WRITE setVdvZ NOTIFY logChanged)

public:
    explicit QuillonLog(QObject *parent = nullptr);

    QString interval() const { return m_interval; }
    void setInterval(const QString &text) { m_interval = text; }
    QString awX() const { return m_awX; }
    void setAwX(const QString &text) { m_awX = text; }
    QString awY() const { return m_awY; }
    void setAwY(const QString &text) { m_awY = text; }
    QString awZ() const { return m_awZ; }
    void setAwZ(const QString &text) { m_awZ = text; }
    QString vdvX() const { return m_vdvX; }
    void setVdvX(const QString &text) { m_vdvX = text; }
    QString vdvY() const { return m_vdvY; }
    void setVdvY(const QString &text) { m_vdvY = text; }
    QString vdvZ() const { return m_vdvZ; }
    void setVdvZ(const QString &text) { m_vdvZ = text; }
    QString fcX() const { return m_fcX; }
    void setFcX(const QString &text) { m_fcX = text; }
    QString fcY() const { return m_fcY; }
    void setFcY(const QString &text) { m_fcY = text; }
    QString fcZ() const { return m_fcZ; }
    void setFcZ(const QString &text) { m_fcZ = text; }
    QString amr() const { return m_amr; }
    void setAmr(const QString &text) { m_amr = text; }

    // Fills the sample from an object as toJson writes it (a data file).
    void fromJson(const QJsonObject &json);

public slots:
    // 0 taken, 1 a record of fewer than 16 fields (nothing changed).
    int parseRecord(QByteArray record) override;
    QJsonObject toJson() override;

signals:
    void logChanged();

private:
    using Member = QString QuillonLog::*;
    struct Key
    {
        const char *name;
        Member member;
    };
    // The sample's texts by JSON key, in the order of toJson.
    static const Key kKeys[];

    QString m_interval;
    QString m_awX;
    QString m_awY;
    QString m_awZ;
    QString m_vdvX;
    QString m_vdvY;
    QString m_vdvZ;
    QString m_fcX;
    QString m_fcY;
    QString m_fcZ;
    QString m_amr;
};
