#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

#include <vector>

// The indented JSON text of a document, byte for byte as
// QJsonDocument::toJson(QJsonDocument::Indented) gives it, made several times
// faster: a data file of a full day's samples is tens of megabytes of it.
// Long arrays (the samples of a run) are written in chunks on several
// threads. Texts and numbers this writer has no plain form for are left to
// Qt's own writer, so that every byte stays Qt's.
class JsonText
{
public:
    // The text in consecutive parts, as the threads wrote them: the caller
    // that reads it once needs no copy of the whole.
    static std::vector<QByteArray> indentedParts(const QJsonObject &document);

private:
    explicit JsonText(bool parallel);

    void appendValue(const QJsonValue &value, int depth);
    void appendObject(const QJsonObject &object, int depth);
    void appendArray(const QJsonArray &array, int depth);
    void appendElements(const QJsonArray &array, int begin, int end, int depth);
    void appendInChunks(const QJsonArray &array, int depth);
    void appendString(const QString &text);
    void appendNumber(double number);
    void appendIndent(int depth);
    static QByteArray qtText(const QJsonValue &value);

    // Whether long arrays go to other threads (not in a chunk of one).
    bool m_parallel = false;
    std::vector<QByteArray> m_parts;
    QByteArray m_out;
};
