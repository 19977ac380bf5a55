#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// Reading the fields of the heat-stress monitors' replies. The instruments
// send every value as text; a value they could not measure comes as an empty
// field or as "---" and is kept as not available (NaN, "---"), never as 0.
class KestrumFields
{
public:
    // The fields of header page `page` as the device hands it over
    // ("+VFXPHDR: " + fields + "\n"): prefix, line feeds and double quotes
    // removed, split at ",". Empty when there are fewer than `minimum` fields
    // or field 0 is not the page number.
    static QList<QByteArray> headerPage(QByteArray reply, int page, int minimum);

    // A field read as a number with "." as the decimal point; NaN when the
    // instrument left it empty or "---".
    static double number(const QByteArray &field);
    // A whole count of seconds; -1 when the field is no whole number.
    static int seconds(const QByteArray &field);
    // A count of seconds as "hh:mm:ss"; "---" when the field is no number.
    static QString duration(const QByteArray &field);
    // The field as UTF-8 text, up to a NUL.
    static QString text(const QByteArray &field);
    // A date-time that the instrument splits over two fields, date and time.
    static QDateTime dateTime(const QByteArray &date, const QByteArray &time);
    // The unit as shown: "°" and the instrument's letter; "---" when the
    // field holds none.
    static QString unity(const QByteArray &field);

    // The text shown for a value that is not available.
    static QString notAvailable() { return QStringLiteral("---"); }
};
