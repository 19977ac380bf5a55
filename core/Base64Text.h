#pragma once

#include <QByteArray>

#include <vector>

// Base64 (the standard alphabet, padded) of data files tens of megabytes
// long, on several threads and without copies of the whole: the same text
// and the same strictness as QByteArray's own.
class Base64Text
{
public:
    // The text of the bytes of `parts` one after the other, with room for
    // `spare` more bytes after it.
    static QByteArray encode(const std::vector<QByteArray> &parts, int spare = 0);
    // The bytes of `text`, refusing what
    // QByteArray::fromBase64Encoding(text, AbortOnBase64DecodingErrors)
    // refuses.
    static QByteArray::FromBase64Result decode(const QByteArray &text);
};
