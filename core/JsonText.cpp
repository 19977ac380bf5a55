#include "JsonText.h"

#include "ParallelChunks.h"

#include <QJsonDocument>

#include <cmath>
#include <vector>

namespace {

constexpr int kIndentWidth = 4;
// Arrays shorter than this are not worth a thread.
constexpr int kParallelElements = 2048;
// Integers up to this size print as Qt prints them: all their digits.
constexpr double kExactIntegers = 9007199254740992.0; // 2^53

bool isPlainText(const QString &text)
{
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u < 0x20 || u > 0x7e || u == '"' || u == '\\')
            return false;
    }
    return true;
}

} // namespace

QByteArray JsonText::indented(const QJsonObject &document)
{
    QByteArray out;
    appendObject(out, document, 0);
    out += '\n';
    return out;
}

void JsonText::appendIndent(QByteArray &out, int depth)
{
    out.append(depth * kIndentWidth, ' ');
}

void JsonText::appendValue(QByteArray &out, const QJsonValue &value, int depth)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        out += value.toBool() ? "true" : "false";
        break;
    case QJsonValue::Double:
        appendNumber(out, value.toDouble());
        break;
    case QJsonValue::String:
        appendString(out, value.toString());
        break;
    case QJsonValue::Array:
        appendArray(out, value.toArray(), depth);
        break;
    case QJsonValue::Object:
        appendObject(out, value.toObject(), depth);
        break;
    default:
        out += "null";
        break;
    }
}

void JsonText::appendObject(QByteArray &out, const QJsonObject &object, int depth)
{
    out += "{\n";
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it != object.begin())
            out += ",\n";
        appendIndent(out, depth + 1);
        appendString(out, it.key());
        out += ": ";
        appendValue(out, it.value(), depth + 1);
    }
    if (!object.isEmpty())
        out += '\n';
    appendIndent(out, depth);
    out += '}';
}

void JsonText::appendArray(QByteArray &out, const QJsonArray &array, int depth)
{
    out += "[\n";
    const int count = array.size();
    if (count < kParallelElements) {
        appendElements(out, array, 0, count, depth + 1);
    } else {
        std::vector<QByteArray> chunks(ParallelChunks::chunkCount(count, kParallelElements));
        ParallelChunks::run(count, kParallelElements, [&](int chunk, int begin, int end) {
            appendElements(chunks[chunk], array, begin, end, depth + 1);
        });
        int size = out.size();
        for (const QByteArray &chunk : chunks)
            size += chunk.size();
        // Room for the rest of a document of one long array, so that the
        // tens of megabytes are never moved.
        out.reserve(size + size / 16);
        for (const QByteArray &chunk : chunks)
            out += chunk;
    }
    appendIndent(out, depth);
    out += ']';
}

// The elements [begin, end) of `array` with their separators, the last of
// the array followed by its line break.
void JsonText::appendElements(QByteArray &out, const QJsonArray &array, int begin, int end,
                              int depth)
{
    const int start = out.size();
    for (int i = begin; i < end; ++i) {
        appendIndent(out, depth);
        appendValue(out, array.at(i), depth);
        out += i + 1 < array.size() ? ",\n" : "\n";
        // The elements of a long array are alike: the first gives the room
        // the rest will take, and the text is not moved as it grows.
        if (i == begin && end - begin >= kParallelElements)
            out.reserve(start + (out.size() - start) * (end - begin) * 9 / 8);
    }
}

void JsonText::appendString(QByteArray &out, const QString &text)
{
    if (!isPlainText(text)) {
        out += qtText(text);
        return;
    }
    out += '"';
    out += text.toLatin1();
    out += '"';
}

void JsonText::appendNumber(QByteArray &out, double number)
{
    if (std::trunc(number) == number && std::abs(number) < kExactIntegers)
        out += QByteArray::number(static_cast<qint64>(number));
    else
        out += qtText(number);
}

// `value` as Qt writes it: the element of a one-element compact array.
QByteArray JsonText::qtText(const QJsonValue &value)
{
    const QByteArray text = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return text.mid(1, text.size() - 2);
}
