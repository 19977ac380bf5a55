#pragma once

#include "ModelRegistry.h"

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>

class Core;

// The input of the data-file targets: a byte that picks the model (among the
// registered models with a file reader, or those that print too), a byte whose lowest bit tells how
// the rest is taken, then the rest: either the file's content as it stands, or the JSON document
// that a valid envelope (Base64 line and its digest) is built around, so that the JSON and the
// model's reader are reached.
class DataFileInput
{
public:
    enum class Models
    {
        Readable,  // every model with a file reader
        Printable, // those that also print reports
    };

    // The registered models of the kind, in the order the model byte picks.
    static QList<ModelEntry> models(Models kind);
    static QByteArray write(int model, bool wrapped, const QByteArray &rest);

    // Starts the target's application; ends the process when no model is of
    // the kind.
    static void start(int *argc, char ***argv, Models kind);
    // The Core that opens the target's files.
    static Core &core();

    explicit DataFileInput(Models kind)
        : m_kind(kind)
    {
    }

    // False when the input is too short or no model is of the kind.
    bool read(const QByteArray &data);
    QString productName() const { return m_productName; }
    QString extension() const { return m_extension; }
    QByteArray content() const { return m_content; }

    // Reads the input, writes its file into the target's scratch folder and
    // opens it through core()'s parseFile, as the user's "open" does. True
    // when a run opened.
    bool open(const uint8_t *data, size_t size);

private:
    Models m_kind;
    QString m_productName;
    QString m_extension;
    QByteArray m_content;
};
