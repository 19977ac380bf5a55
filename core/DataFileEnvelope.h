#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>

// The data-file envelope shared by every model: line 1 is the Base64 text of
// the indented JSON document, then "\n", then line 2, the lower-case MD5 of
// the bytes of line 1. Nothing follows line 2.
class DataFileEnvelope
{
public:
    enum Status
    {
        Ok = 0,
        DigestMismatch = 1,
        Malformed = 2
    };

    // The exact bytes of a data file holding `document`.
    static QByteArray encode(const QJsonDocument &document);
    // The same in two parts: line 1, then what follows it (the digest of a
    // large file takes a while: it can be made while line 1 is written).
    static QByteArray line(const QJsonDocument &document);
    static QByteArray lineEnd(const QByteArray &line);
    // Checks the envelope and decodes its JSON object into `root`.
    static Status decode(const QByteArray &content, QJsonObject &root);
    // The run objects of "Body": every element of an array, or an object
    // taken as one run. Anything else holds no run.
    static QList<QJsonObject> runObjects(const QJsonObject &root);
    // {"Info": {"Sw": revision, "Device": device}, "Body": runs}
    static QJsonDocument document(const QString &revision, const QJsonObject &device,
                                  const QList<QJsonObject> &runs);

private:
    static QByteArray digest(const QByteArray &line);
    // The JSON object whose Base64 text is `line`; false when it is none.
    static bool parseLine(const QByteArray &line, QJsonObject &root);
};
