#include "DataFileEnvelope.h"

#include "Base64Text.h"
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
    const std::vector<QByteArray> json =
        document.isObject() ? JsonText::indentedParts(document.object())
                            : std::vector<QByteArray>{document.toJson(QJsonDocument::Indented)};
    // The file is line 1 followed by the line break and the digest.
    QByteArray content = Base64Text::encode(json, 1 + kDigestLength);
    const QByteArray sum = digest(content);
    content += '\n';
    content += sum;
    return content;
}

DataFileEnvelope::Status DataFileEnvelope::decode(const QByteArray &content, QJsonObject &root)
{
    const int end = content.indexOf('\n');
    if (end < 0 || content.indexOf('\n', end + 1) >= 0)
        return Malformed;
    const QByteArray line = QByteArray::fromRawData(content.constData(), end);
    // The digest and the decoding of one large file are independent work.
    std::future<QByteArray> lineDigest = std::async(std::launch::async, digest, line);
    const QByteArray::FromBase64Result decoded = Base64Text::decode(line);
    if (lineDigest.get() != content.mid(end + 1))
        return DigestMismatch;
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
