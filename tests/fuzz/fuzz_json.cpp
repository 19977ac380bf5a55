// Any bytes as JSON text: the reader that parses long arrays in pieces gives
// Qt's document, or Qt's error at Qt's offset, whatever the pieces' size.

#include "JsonReader.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray json(reinterpret_cast<const char *>(data), int(size));
    QJsonParseError expectedError;
    const QJsonDocument expected = QJsonDocument::fromJson(json, &expectedError);
    for (int piece : {1, 2, 3}) {
        QJsonParseError error;
        const QJsonDocument document = JsonReader::document(json, &error, piece);
        if (document != expected || error.error != expectedError.error ||
            error.offset != expectedError.offset) {
            std::fprintf(
                stderr, "pieces of %d: not Qt's document (error %d at %d, Qt's %d at %d)\n", piece,
                int(error.error), error.offset, int(expectedError.error), expectedError.offset);
            std::abort();
        }
    }
    return 0;
}
