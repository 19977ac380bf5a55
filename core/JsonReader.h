#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonParseError>

// QJsonDocument::fromJson for data files of a full day's samples, several
// times faster: the long arrays of objects or arrays in the text (the samples
// of a run) are parsed in pieces on several threads and joined. Pieces are
// taken only where the joined document is the one Qt's parser gives, byte
// for byte of the text: every text that does not split cleanly, and every
// text Qt refuses, is parsed by Qt whole, so that the document and the error
// are Qt's.
class JsonReader
{
public:
    static QJsonDocument document(const QByteArray &json, QJsonParseError *error = nullptr);

    // The same, splitting arrays of any text into pieces of at least
    // `piece` elements, and saying in `inPieces` whether it did: lets the
    // tests and the fuzz target reach the joining with small texts.
    static QJsonDocument document(const QByteArray &json, QJsonParseError *error, int piece,
                                  bool *inPieces = nullptr);
};
