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

    // The certification as the instrument keeps it: in upper case, except
    // for the letters whose upper case ISO 8859-1 cannot hold ("µ", "ÿ"),
    // which stay as they are.
    QString instrumentText() const;
    // True when the record can be written to an instrument: it has a text
    // and a valid date whose UTC offset the instrument's zone field holds
    // (at most 14 h either way). Anything else would overwrite the
    // instrument's certificate with an empty or wrong one.
    bool isWritable() const;

    // Reads the "+VFCTF: " information text, prefix, final OK and line breaks
    // already removed: "certificate","yy/MM/dd,hh:mm:ss+zz". 0 read, -1 too few
    // fields.
    int fromReply(const QString &text);

private:
    QDateTime m_date;
    QString m_certification;
};
