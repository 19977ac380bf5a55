#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QString>

// The record of an instrument's last calibration: when it was calibrated and
// the certificate's text. A plain value, copied freely.
class CalibrationCertificate
{
public:
    QDateTime date() const { return m_date; }
    void setDate(const QDateTime &date) { m_date = date; }
    QString certification() const { return m_certification; }
    void setCertification(const QString &certification) { m_certification = certification; }

    // {"date": device date-time text, "certification": text}
    QJsonObject toJson() const;

    // Reads the JSON object that QML sends (date as ISO 8601) or that toJson
    // wrote (date as device date-time text). 0 read, -1 not a JSON object.
    int fromJson(const QString &json);

    // Reads the "+VFCTF: " information text, prefix, final OK and line breaks
    // already removed: "certificate","yy/MM/dd,hh:mm:ss+zz". 0 read, -1 too few
    // fields.
    int fromReply(const QString &text);

private:
    QDateTime m_date;
    QString m_certification;
};
