#include "DataFileEnvelope.h"

#include <QCryptographicHash>
#include <QJsonArray>

QByteArray DataFileEnvelope::digest(const QByteArray &line)
{
    return QCryptographicHash::hash(line, QCryptographicHash::Md5).toHex();
}

QByteArray DataFileEnvelope::encode(const QJsonDocument &document)
{
    const QByteArray line = document.toJson(QJsonDocument::Indented).toBase64();
    return line + '\n' + digest(line);
}

DataFileEnvelope::Status DataFileEnvelope::decode(const QByteArray &content, QJsonObject &root)
{
    const QList<QByteArray> lines = content.split('\n');
    if (lines.size() != 2)
        return Malformed;
    if (digest(lines.at(0)) != lines.at(1))
        return DigestMismatch;
    const QByteArray::FromBase64Result decoded =
        QByteArray::fromBase64Encoding(lines.at(0), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return Malformed;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(decoded.decoded, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return Malformed;
    root = document.object();
    return Ok;
}

QList<QJsonObject> DataFileEnvelope::runObjects(const QJsonObject &root)
{
    const QJsonValue body = root.value(QStringLiteral("Body"));
    if (body.isObject())
        return {body.toObject()};
    QList<QJsonObject> runs;
    const QJsonArray array = body.toArray();
    for (const QJsonValue &run : array) {
        if (run.isObject())
            runs.append(run.toObject());
    }
    return runs;
}

QJsonDocument DataFileEnvelope::document(const QString &revision, const QJsonObject &device,
                                         const QList<QJsonObject> &runs)
{
    QJsonArray body;
    for (const QJsonObject &run : runs)
        body.append(run);
    const QJsonObject info{{QStringLiteral("Sw"), revision}, {QStringLiteral("Device"), device}};
    return QJsonDocument(
        QJsonObject{{QStringLiteral("Info"), info}, {QStringLiteral("Body"), body}});
}
