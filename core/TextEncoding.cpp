#include "TextEncoding.h"

#include <QTextCodec>

QString decodeInstrumentText(const QByteArray &bytes, TextEncoding encoding)
{
    const int nul = bytes.indexOf('\0');
    const QByteArray text = nul < 0 ? bytes : bytes.left(nul);
    return encoding == TextEncoding::Utf8 ? QString::fromUtf8(text)
                                          : QTextCodec::codecForName("ISO 8859-1")->toUnicode(text);
}
