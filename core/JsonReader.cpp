#include "JsonReader.h"

#include "ParallelChunks.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>

#include <algorithm>
#include <cstring>
#include <vector>

// How the pieces join: the text is A "[" C "]" B, where the array's content C
// is the elements C1 "," C2 "," ... Cn. When A "[" marker "]" B parses (the
// marker a string) and every "[" Ck "]" parses, JSON's grammar makes the
// whole text parse to A's document with the marker's array holding the
// elements of every Ck in order: lexing runs left to right and every cut lies
// where a value ends or begins. So the quick scan that finds the arrays need
// not be right: where it is wrong, Qt refuses a piece or the counts come out
// wrong, and the text goes to Qt whole.
//
// The markers must be the only strings of A "[" marker "]" B that look like
// one: a marker written in the text itself could stand in the place of one
// of the inserted ones (a repeated key keeps the last value of its object),
// and the document would then hold elements where Qt's holds the text's
// string. Every marker begins with the character U+0000, so a text that may
// hold that character anywhere goes to Qt whole; without it in the text,
// every string that begins with it is an inserted marker, and a marker that
// a repeated key dropped leaves the count short.

namespace {

// Shorter texts are parsed at once.
constexpr int kParallelBytes = 1 << 20;
// Elements per piece: fewer are parsed faster on one thread.
constexpr int kPieceElements = 2048;
// A scanning thread takes at least this many bytes of text per element of a
// piece (128 KB for a data file).
constexpr int kScanBytesPerElement = 64;
// Far below Qt's nesting limit, so that Qt alone refuses texts too deep.
constexpr int kMaxDepth = 256;
// The marker string standing for an array's elements in the text without
// them, in JSON; a text that may hold its first character is parsed whole.
constexpr char kMarkerText[] = "\"\\u0000valtrix-elements-";

struct Bracket
{
    int at;
    char c;
};

// A container's text, from its opening to its closing bracket.
struct Span
{
    int begin;
    int end;
};

struct LongArray
{
    Span brackets;
    std::vector<Span> elements;
};

// A run of elements of one array, parsed on its own.
struct Piece
{
    int array;
    Span text;
    int elements;
    QJsonArray parsed;
    bool ok = false;
};

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Whether text[from, to) is white space only.
bool onlySpace(const char *text, int from, int to)
{
    return std::all_of(text + from, text + to, isSpace);
}

// Whether text[from, to) is one comma between white space.
bool oneComma(const char *text, int from, int to)
{
    const char *comma = std::find(text + from, text + to, ',');
    return comma != text + to && onlySpace(text, from, int(comma - text)) &&
           onlySpace(text, int(comma - text) + 1, to);
}

QString markerString(int index)
{
    return QChar(0) + QStringLiteral("valtrix-elements-") + QString::number(index);
}

// Where the scanning threads start: line starts, which lie outside strings in
// every text Qt writes (it escapes line breaks in strings).
std::vector<int> rangeStarts(const QByteArray &json, int ranges)
{
    std::vector<int> starts{0};
    for (int k = 1; k < ranges; ++k) {
        const int newline = json.indexOf('\n', int(qint64(json.size()) * k / ranges));
        if (newline < 0)
            break;
        if (newline + 1 > starts.back() && newline + 1 < json.size())
            starts.push_back(newline + 1);
    }
    starts.push_back(json.size());
    return starts;
}

// Whether text[begin, end) may hold the character U+0000: as a byte of its
// own, which Qt takes inside a string, or escaped ("\u0000"). Escapes hold
// no line break, so none spans two ranges.
bool mayHoldNul(const char *text, int begin, int end)
{
    if (std::memchr(text + begin, '\0', size_t(end - begin)))
        return true;
    const char *const stop = text + end;
    for (const char *at = text + begin;
         (at = static_cast<const char *>(std::memchr(at, '\\', size_t(stop - at)))); ++at) {
        if (stop - at >= 6 && at[1] == 'u' && at[2] == '0' && at[3] == '0' && at[4] == '0' &&
            at[5] == '0')
            return true;
    }
    return false;
}

// The brackets of text[begin, end) outside strings, from outside a string;
// false when the range ends inside one.
bool scanBrackets(const char *text, int begin, int end, std::vector<Bracket> &brackets)
{
    bool inString = false;
    for (int i = begin; i < end; ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
            continue;
        }
        switch (c) {
        case '"':
            inString = true;
            break;
        case '[':
        case ']':
        case '{':
        case '}':
            brackets.push_back({i, c});
            break;
        default:
            break;
        }
    }
    return !inString;
}

// The outermost arrays of the brackets with enough container elements for
// two pieces, in text order; false when the brackets do not nest.
bool findLongArrays(const std::vector<std::vector<Bracket>> &ranges, int piece,
                    std::vector<LongArray> &found)
{
    std::vector<Bracket> open;
    // The container elements of the array open at each depth.
    std::vector<std::vector<Span>> elements;
    for (const std::vector<Bracket> &brackets : ranges) {
        for (const Bracket &b : brackets) {
            if (b.c == '[' || b.c == '{') {
                open.push_back(b);
                if (open.size() > size_t(kMaxDepth))
                    return false;
                if (elements.size() < open.size())
                    elements.resize(open.size());
                elements[open.size() - 1].clear();
                continue;
            }
            if (open.empty() || (open.back().c == '[') != (b.c == ']'))
                return false;
            const Span span{open.back().at, b.at};
            const bool isArray = open.back().c == '[';
            open.pop_back();
            std::vector<Span> &own = elements[open.size()];
            if (isArray && ParallelChunks::chunkCount(int(own.size()), piece) >= 2)
                found.push_back({span, std::move(own)});
            own.clear();
            if (!open.empty() && open.back().c == '[')
                elements[open.size() - 1].push_back(span);
        }
    }
    if (!open.empty())
        return false;
    std::sort(found.begin(), found.end(), [](const LongArray &a, const LongArray &b) {
        return a.brackets.begin < b.brackets.begin;
    });
    std::vector<LongArray> outermost;
    for (LongArray &array : found) {
        if (outermost.empty() || array.brackets.begin > outermost.back().brackets.end)
            outermost.push_back(std::move(array));
    }
    found = std::move(outermost);
    return true;
}

// The pieces of the arrays: consecutive elements, joined by one comma each
// to the piece before; false when an array holds more than its container
// elements and white space around them.
bool cutPieces(const QByteArray &json, const std::vector<LongArray> &arrays, int piece,
               std::vector<Piece> &pieces)
{
    const char *text = json.constData();
    for (int a = 0; a < int(arrays.size()); ++a) {
        const LongArray &array = arrays[a];
        const std::vector<Span> &elements = array.elements;
        if (!onlySpace(text, array.brackets.begin + 1, elements.front().begin) ||
            !onlySpace(text, elements.back().end + 1, array.brackets.end))
            return false;
        const int count = int(elements.size());
        const int parts = ParallelChunks::chunkCount(count, piece);
        for (int p = 0; p < parts; ++p) {
            const int first = int(qint64(count) * p / parts);
            const int last = int(qint64(count) * (p + 1) / parts) - 1;
            if (p > 0 && !oneComma(text, elements[first - 1].end + 1, elements[first].begin))
                return false;
            pieces.push_back({a,
                              {elements[first].begin, elements[last].end},
                              last - first + 1,
                              QJsonArray(),
                              false});
        }
    }
    return true;
}

// The text with each array's elements replaced by its marker.
QByteArray skeleton(const QByteArray &json, const std::vector<LongArray> &arrays)
{
    QByteArray text;
    int from = 0;
    for (int a = 0; a < int(arrays.size()); ++a) {
        text.append(json.constData() + from, arrays[a].brackets.begin + 1 - from);
        text += kMarkerText;
        text += QByteArray::number(a);
        text += '"';
        from = arrays[a].brackets.end;
    }
    text.append(json.constData() + from, json.size() - from);
    return text;
}

void parsePiece(const QByteArray &json, Piece &piece)
{
    QByteArray text;
    text.reserve(piece.text.end - piece.text.begin + 3);
    text += '[';
    text.append(json.constData() + piece.text.begin, piece.text.end - piece.text.begin + 1);
    text += ']';
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text, &error);
    piece.parsed = document.array();
    piece.ok = error.error == QJsonParseError::NoError && document.isArray() &&
               piece.parsed.size() == piece.elements;
}

// Puts the joined arrays where their markers stand in `value`, marking each in
// `placed` and counting it in `count`; false when a marker stands twice.
bool placeArrays(QJsonValue &value, const std::vector<QJsonArray> &arrays,
                 std::vector<bool> &placed, int &count)
{
    if (value.isObject()) {
        QJsonObject object = value.toObject();
        const int before = count;
        for (auto it = object.begin(); it != object.end(); ++it) {
            QJsonValue member = it.value();
            const int inMember = count;
            if (!placeArrays(member, arrays, placed, count))
                return false;
            if (count != inMember)
                it.value() = member;
        }
        if (count != before)
            value = object;
        return true;
    }
    if (!value.isArray())
        return true;
    QJsonArray array = value.toArray();
    if (array.size() == 1 && array.at(0).isString()) {
        const QString text = array.at(0).toString();
        for (int a = 0; a < int(arrays.size()); ++a) {
            if (text != markerString(a))
                continue;
            if (placed[a])
                return false;
            placed[a] = true;
            ++count;
            value = arrays[a];
            return true;
        }
        return true;
    }
    const int before = count;
    for (int i = 0; i < array.size(); ++i) {
        QJsonValue element = array.at(i);
        const int inElement = count;
        if (!placeArrays(element, arrays, placed, count))
            return false;
        if (count != inElement)
            array.replace(i, element);
    }
    if (count != before)
        value = array;
    return true;
}

// The document joined from the pieces; false when the text does not split
// cleanly.
bool joined(const QByteArray &json, int piece, QJsonDocument &document)
{
    const int ranges = ParallelChunks::chunkCount(json.size(), piece * kScanBytesPerElement);
    const std::vector<int> starts = rangeStarts(json, std::max(1, ranges));
    std::vector<std::vector<Bracket>> brackets(starts.size() - 1);
    std::vector<char> scanned(brackets.size(), 0);
    ParallelChunks::run(int(brackets.size()), 1, [&](int, int begin, int end) {
        for (int r = begin; r < end; ++r)
            scanned[r] = scanBrackets(json.constData(), starts[r], starts[r + 1], brackets[r]) &&
                         !mayHoldNul(json.constData(), starts[r], starts[r + 1]);
    });
    std::vector<LongArray> arrays;
    if (std::count(scanned.begin(), scanned.end(), 0) > 0 ||
        !findLongArrays(brackets, piece, arrays) || arrays.empty())
        return false;
    brackets.clear();
    std::vector<Piece> pieces;
    if (!cutPieces(json, arrays, piece, pieces))
        return false;

    QJsonParseError error;
    const QJsonDocument outline = QJsonDocument::fromJson(skeleton(json, arrays), &error);
    if (error.error != QJsonParseError::NoError)
        return false;
    ParallelChunks::run(int(pieces.size()), 1, [&](int, int begin, int end) {
        for (int p = begin; p < end; ++p)
            parsePiece(json, pieces[p]);
    });
    std::vector<QJsonArray> whole(arrays.size());
    for (Piece &part : pieces) {
        if (!part.ok)
            return false;
        QJsonArray &array = whole[part.array];
        if (array.isEmpty()) {
            array = std::move(part.parsed);
            continue;
        }
        for (const QJsonValue &element : qAsConst(part.parsed))
            array.append(element);
    }

    QJsonValue root =
        outline.isObject() ? QJsonValue(outline.object()) : QJsonValue(outline.array());
    std::vector<bool> placed(arrays.size(), false);
    int count = 0;
    if (!placeArrays(root, whole, placed, count) || count != int(arrays.size()))
        return false;
    document = root.isObject() ? QJsonDocument(root.toObject()) : QJsonDocument(root.toArray());
    return true;
}

} // namespace

QJsonDocument JsonReader::document(const QByteArray &json, QJsonParseError *error)
{
    if (json.size() < kParallelBytes)
        return QJsonDocument::fromJson(json, error);
    return document(json, error, kPieceElements);
}

QJsonDocument JsonReader::document(const QByteArray &json, QJsonParseError *error, int piece,
                                   bool *inPieces)
{
    QJsonDocument document;
    const bool split = joined(json, std::max(1, piece), document);
    if (inPieces)
        *inPieces = split;
    if (!split)
        return QJsonDocument::fromJson(json, error);
    if (error)
        *error = QJsonParseError{0, QJsonParseError::NoError};
    return document;
}
