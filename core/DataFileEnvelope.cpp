#include "DataFileEnvelope.h"

#include "JsonText.h"
#include "ParallelChunks.h"

#include <QCryptographicHash>
#include <QJsonArray>

#include <cstring>
#include <future>
#include <vector>

namespace {

// Base64 turns each 3 bytes into 4 characters; chunks of whole groups make
// the text of the whole. Smaller inputs are done faster on one thread.
constexpr int kGroupsPerThread = 256 * 1024;
// The hexadecimal MD5 of line 1.
constexpr int kDigestLength = 32;

// The Base64 text of `bytes`, with room for `spare` more bytes after it.
QByteArray toBase64(const QByteArray &bytes, int spare)
{
    const int groups = (bytes.size() + 2) / 3;
    QByteArray text;
    text.reserve(groups * 4 + spare);
    text.resize(groups * 4);
    ParallelChunks::run(groups, kGroupsPerThread, [&](int, int begin, int end) {
        const int from = begin * 3;
        const int size = std::min(end * 3, bytes.size()) - from;
        const QByteArray part = QByteArray::fromRawData(bytes.constData() + from, size).toBase64();
        std::memcpy(text.data() + begin * 4, part.constData(), part.size());
    });
    return text;
}

// The bytes of the Base64 `text`, refusing any character outside the
// alphabet and any misplaced padding, as Qt's strict decoding does. Whole
// groups of four characters decode alone; padding may end only the last
// chunk.
QByteArray::FromBase64Result fromBase64(const QByteArray &text)
{
    const auto strict = [](const QByteArray &part) {
        return QByteArray::fromBase64Encoding(part, QByteArray::AbortOnBase64DecodingErrors);
    };
    const int groups = text.size() / 4;
    if (text.size() % 4 != 0 || ParallelChunks::chunkCount(groups, kGroupsPerThread) < 2)
        return strict(text);
    std::vector<QByteArray::FromBase64Result> parts(
        ParallelChunks::chunkCount(groups, kGroupsPerThread));
    ParallelChunks::run(groups, kGroupsPerThread, [&](int chunk, int begin, int end) {
        const QByteArray part =
            QByteArray::fromRawData(text.constData() + begin * 4, (end - begin) * 4);
        const bool last = end == groups;
        if (last || !part.contains('='))
            parts[chunk] = strict(part);
        else
            parts[chunk].decodingStatus = QByteArray::Base64DecodingStatus::IllegalPadding;
    });
    QByteArray bytes;
    bytes.reserve(groups * 3);
    for (const QByteArray::FromBase64Result &part : parts) {
        if (!part)
            return strict(text);
        bytes += part.decoded;
    }
    return {bytes, QByteArray::Base64DecodingStatus::Ok};
}

} // namespace

QByteArray DataFileEnvelope::digest(const QByteArray &line)
{
    return QCryptographicHash::hash(line, QCryptographicHash::Md5).toHex();
}

QByteArray DataFileEnvelope::encode(const QJsonDocument &document)
{
    const QByteArray json = document.isObject() ? JsonText::indented(document.object())
                                                : document.toJson(QJsonDocument::Indented);
    // The file is line 1 followed by the line break and the digest.
    QByteArray content = toBase64(json, 1 + kDigestLength);
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
    const QByteArray::FromBase64Result decoded = fromBase64(line);
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
