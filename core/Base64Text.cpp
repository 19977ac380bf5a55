#include "Base64Text.h"

#include "LargeBuffer.h"
#include "ParallelChunks.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>

namespace {

// Groups of 3 bytes (4 characters) per thread: fewer are done faster on one.
constexpr int kGroupsPerThread = 256 * 1024;

const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// The 6-bit value of each character; -1 for a character outside the alphabet.
std::array<signed char, 256> decodingTable()
{
    std::array<signed char, 256> table;
    table.fill(-1);
    for (int i = 0; i < 64; ++i)
        table[uchar(kAlphabet[i])] = static_cast<signed char>(i);
    return table;
}

// The bytes of parts one after the other, read from a position on.
class PartsReader
{
public:
    PartsReader(const std::vector<QByteArray> &parts, qint64 at)
        : m_parts(parts)
    {
        while (m_part < m_parts.size() && at >= m_parts[m_part].size())
            at -= m_parts[m_part++].size();
        m_at = int(at);
    }

    // The next byte; 0 past the end.
    uchar next()
    {
        while (m_part < m_parts.size() && m_at >= m_parts[m_part].size()) {
            ++m_part;
            m_at = 0;
        }
        if (m_part >= m_parts.size())
            return 0;
        return uchar(m_parts[m_part].at(m_at++));
    }

private:
    const std::vector<QByteArray> &m_parts;
    size_t m_part = 0;
    int m_at = 0;
};

void encodeGroup(uchar a, uchar b, uchar c, char *out)
{
    out[0] = kAlphabet[a >> 2];
    out[1] = kAlphabet[((a & 0x03) << 4) | (b >> 4)];
    out[2] = kAlphabet[((b & 0x0f) << 2) | (c >> 6)];
    out[3] = kAlphabet[c & 0x3f];
}

} // namespace

QByteArray Base64Text::encode(const std::vector<QByteArray> &parts, int spare)
{
    qint64 size = 0;
    for (const QByteArray &part : parts)
        size += part.size();
    const int groups = int((size + 2) / 3);
    QByteArray text;
    LargeBuffer::reserve(text, groups * 4 + spare);
    text.resize(groups * 4);
    char *out = text.data();
    ParallelChunks::run(groups, kGroupsPerThread, [&](int, int begin, int end) {
        PartsReader reader(parts, qint64(begin) * 3);
        for (int g = begin; g < end; ++g) {
            const uchar a = reader.next();
            const uchar b = reader.next();
            const uchar c = reader.next();
            encodeGroup(a, b, c, out + qint64(g) * 4);
        }
    });
    // The last group pads what it lacks.
    const int missing = int(qint64(groups) * 3 - size);
    for (int i = 0; i < missing; ++i)
        text[text.size() - 1 - i] = '=';
    return text;
}

QByteArray::FromBase64Result Base64Text::decode(const QByteArray &text)
{
    const auto strict = [](const QByteArray &part) {
        return QByteArray::fromBase64Encoding(part, QByteArray::AbortOnBase64DecodingErrors);
    };
    // Whole groups without padding decode alone; the last group (and any
    // text that is not whole groups) is left to Qt, as is any text refused
    // here, so that what is refused and why stays Qt's.
    const int groups = text.size() / 4 - 1;
    if (text.size() % 4 != 0 || ParallelChunks::chunkCount(groups, kGroupsPerThread) < 2)
        return strict(text);
    static const std::array<signed char, 256> table = decodingTable();
    QByteArray bytes;
    LargeBuffer::reserve(bytes, groups * 3 + 3);
    bytes.resize(groups * 3);
    std::atomic<bool> refused{false};
    const char *in = text.constData();
    char *out = bytes.data();
    ParallelChunks::run(groups, kGroupsPerThread, [&](int, int begin, int end) {
        for (int g = begin; g < end; ++g) {
            const uchar *c = reinterpret_cast<const uchar *>(in) + qint64(g) * 4;
            const int a = table[c[0]], b = table[c[1]], d = table[c[2]], e = table[c[3]];
            if ((a | b | d | e) < 0) {
                refused = true;
                return;
            }
            char *o = out + qint64(g) * 3;
            o[0] = char((a << 2) | (b >> 4));
            o[1] = char(((b & 0x0f) << 4) | (d >> 2));
            o[2] = char(((d & 0x03) << 6) | e);
        }
    });
    if (refused)
        return strict(text);
    const QByteArray::FromBase64Result last = strict(text.right(4));
    if (!last)
        return strict(text);
    bytes += last.decoded;
    return {bytes, QByteArray::Base64DecodingStatus::Ok};
}
