#include "JsonText.h"

#include "LargeBuffer.h"
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

std::vector<QByteArray> JsonText::indentedParts(const QJsonObject &document)
{
    JsonText writer(true);
    writer.appendObject(document, 0);
    writer.m_out += '\n';
    writer.m_parts.push_back(std::move(writer.m_out));
    return std::move(writer.m_parts);
}

JsonText::JsonText(bool parallel)
    : m_parallel(parallel)
{
}

void JsonText::appendIndent(int depth)
{
    m_out.append(depth * kIndentWidth, ' ');
}

void JsonText::appendValue(const QJsonValue &value, int depth)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        m_out += value.toBool() ? "true" : "false";
        break;
    case QJsonValue::Double:
        appendNumber(value.toDouble());
        break;
    case QJsonValue::String:
        appendString(value.toString());
        break;
    case QJsonValue::Array:
        appendArray(value.toArray(), depth);
        break;
    case QJsonValue::Object:
        appendObject(value.toObject(), depth);
        break;
    default:
        m_out += "null";
        break;
    }
}

void JsonText::appendObject(const QJsonObject &object, int depth)
{
    m_out += "{\n";
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it != object.begin())
            m_out += ",\n";
        appendIndent(depth + 1);
        appendString(it.key());
        m_out += ": ";
        appendValue(it.value(), depth + 1);
    }
    if (!object.isEmpty())
        m_out += '\n';
    appendIndent(depth);
    m_out += '}';
}

void JsonText::appendArray(const QJsonArray &array, int depth)
{
    m_out += "[\n";
    if (m_parallel && array.size() >= kParallelElements)
        appendInChunks(array, depth + 1);
    else
        appendElements(array, 0, array.size(), depth + 1);
    appendIndent(depth);
    m_out += ']';
}

// The elements of `array`, written by writers of their own on several
// threads; their texts become parts of this one's.
void JsonText::appendInChunks(const QJsonArray &array, int depth)
{
    const int count = array.size();
    std::vector<JsonText> chunks(ParallelChunks::chunkCount(count, kParallelElements),
                                 JsonText(false));
    ParallelChunks::run(count, kParallelElements, [&](int chunk, int begin, int end) {
        chunks[size_t(chunk)].appendElements(array, begin, end, depth);
    });
    m_parts.push_back(std::move(m_out));
    m_out = QByteArray();
    for (JsonText &chunk : chunks)
        m_parts.push_back(std::move(chunk.m_out));
}

// The elements [begin, end) of `array` with their separators, the last of
// the array followed by its line break.
void JsonText::appendElements(const QJsonArray &array, int begin, int end, int depth)
{
    const int start = m_out.size();
    for (int i = begin; i < end; ++i) {
        appendIndent(depth);
        appendValue(array.at(i), depth);
        m_out += i + 1 < array.size() ? ",\n" : "\n";
        // The elements of a long array are alike: the first gives the room
        // the rest will take, and the text is not moved as it grows.
        if (i == begin && end - begin >= kParallelElements)
            LargeBuffer::reserve(m_out, start + (m_out.size() - start) * (end - begin) * 9 / 8);
    }
}

void JsonText::appendString(const QString &text)
{
    if (!isPlainText(text)) {
        m_out += qtText(text);
        return;
    }
    m_out += '"';
    m_out += text.toLatin1();
    m_out += '"';
}

void JsonText::appendNumber(double number)
{
    if (std::trunc(number) == number && std::abs(number) < kExactIntegers)
        m_out += QByteArray::number(static_cast<qint64>(number));
    else
        m_out += qtText(number);
}

// `value` as Qt writes it: the element of a one-element compact array.
QByteArray JsonText::qtText(const QJsonValue &value)
{
    const QByteArray text = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return text.mid(1, text.size() - 2);
}
