#pragma once

#include <QByteArray>
#include <QString>

// How an instrument writes the texts of its replies (run names, record
// fields): most in ISO 8859-1, some in UTF-8.
enum class TextEncoding
{
    Latin1,
    Utf8
};

// The text of `bytes` up to their first NUL byte, decoded as `encoding`.
QString decodeInstrumentText(const QByteArray &bytes, TextEncoding encoding);
