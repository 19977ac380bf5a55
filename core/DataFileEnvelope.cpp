#include "DataFileEnvelope.h"

#include "Base64Text.h"
#include "JsonReader.h"
#include "JsonText.h"

#include <QCryptographicHash>
#include <QJsonArray>

#include <future>

namespace {

// The hexadecimal MD5 of line 1.
constexpr int kDigestLength = 32;

} // namespace

QByteArray DataFileEnvelope::digest(const QByteArray &line)
{
    return QCryptographicHash::hash(line, QCryptographicHash::Md5).toHex();
}

QByteArray DataFileEnvelope::encode(const QJsonDocument &document)
{
    QByteArray content = line(document);
    content += lineEnd(content);
    return content;
}

QByteArray DataFileEnvelope::line(const QJsonDocument &document)
{
    const std::vector<QByteArray> json =
        document.isObject() ? JsonText::indentedParts(document.object())
                            : std::vector<QByteArray>{document.toJson(QJsonDocument::Indented)};
    // Room for the line break and the digest after it.
    return Base64Text::encode(json, 1 + kDigestLength);
}

QByteArray DataFileEnvelope::lineEnd(const QByteArray &line)
{
    return '\n' + digest(line);
}

DataFileEnvelope::Status DataFileEnvelope::decode(const QByteArray &content, QJsonObject &root)
{
    const int end = content.indexOf('\n');
    if (end < 0 || content.indexOf('\n', end + 1) >= 0)
        return Malformed;
    const QByteArray line = QByteArray::fromRawData(content.constData(), end);
    // The digest of a large file takes as long as decoding and parsing it:
    // both run at once, and the digest still decides first.
    std::future<QByteArray> lineDigest = std::async(std::launch::async, digest, line);
    QJsonObject document;
    const bool parsed = parseLine(line, document);
    if (lineDigest.get() != content.mid(end + 1))
        return DigestMismatch;
    if (!parsed)
        return Malformed;
    root = document;
    return Ok;
}

bool DataFileEnvelope::parseLine(const QByteArray &line, QJsonObject &root)
{
    const QByteArray::FromBase64Result decoded = Base64Text::decode(line);
    if (!decoded)
        return false;
    QJsonParseError error;
    const QJsonDocument document = JsonReader::document(decoded.decoded, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    root = document.object();
    return true;
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
