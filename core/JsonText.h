#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

// The indented JSON text of a document, byte for byte as
// QJsonDocument::toJson(QJsonDocument::Indented) gives it, made several times
// faster: a data file of a full day's samples is tens of megabytes of it.
// Long arrays (the samples of a run) are written in chunks on several
// threads. Texts and numbers this writer has no plain form for are left to
// Qt's own writer, so that every byte stays Qt's.
class JsonText
{
public:
    static QByteArray indented(const QJsonObject &document);

private:
    static void appendValue(QByteArray &out, const QJsonValue &value, int depth);
    static void appendObject(QByteArray &out, const QJsonObject &object, int depth);
    static void appendArray(QByteArray &out, const QJsonArray &array, int depth);
    static void appendElements(QByteArray &out, const QJsonArray &array, int begin, int end,
                               int depth);
    static void appendString(QByteArray &out, const QString &text);
    static void appendNumber(QByteArray &out, double number);
    static void appendIndent(QByteArray &out, int depth);
    static QByteArray qtText(const QJsonValue &value);
};
