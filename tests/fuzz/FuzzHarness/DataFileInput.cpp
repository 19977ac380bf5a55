#include "DataFileInput.h"

#include "Core.h"
#include "FuzzApp.h"
#include "VfFile.h"

#include <QCryptographicHash>
#include <QDir>

#include <cstdio>
#include <cstdlib>

QList<ModelEntry> DataFileInput::models(Models kind)
{
    QList<ModelEntry> readers;
    for (const ModelEntry &entry : ModelRegistry::instance().entries()) {
        if (entry.makeFile && !entry.extension.isEmpty() &&
            (kind == Models::Readable || entry.makePrinter))
            readers.append(entry);
    }
    return readers;
}

QByteArray DataFileInput::write(int model, bool wrapped, const QByteArray &rest)
{
    return QByteArray(1, char(model)) + char(wrapped ? 1 : 0) + rest;
}

bool DataFileInput::read(const QByteArray &data)
{
    const QList<ModelEntry> readers = models(m_kind);
    if (data.size() < 2 || readers.isEmpty())
        return false;
    const ModelEntry &model = readers.at(static_cast<unsigned char>(data.at(0)) % readers.size());
    m_productName = model.productName;
    m_extension = model.extension;
    const QByteArray rest = data.mid(2);
    if (data.at(1) & 1) {
        // The envelope's own writer would re-indent the JSON: build the lines
        // by hand so that the JSON reaches the reader exactly as given.
        const QByteArray line = rest.toBase64();
        m_content = line + '\n' + QCryptographicHash::hash(line, QCryptographicHash::Md5).toHex();
    } else {
        m_content = rest;
    }
    return true;
}

void DataFileInput::start(int *argc, char ***argv, Models kind)
{
    FuzzApp::start(argc, argv);
    if (models(kind).isEmpty()) {
        std::fprintf(stderr, "no model of the kind the target needs\n");
        std::exit(1);
    }
}

Core &DataFileInput::core()
{
    static Core *shared = new Core;
    return *shared;
}

bool DataFileInput::open(const uint8_t *data, size_t size)
{
    if (!read(QByteArray(reinterpret_cast<const char *>(data), int(size))))
        return false;
    const QString path = QDir(QString::fromLocal8Bit(FuzzApp::scratchDir()))
                             .filePath(QStringLiteral("input") + m_extension);
    if (VfFile::write(path, m_content) != 0)
        qFatal("cannot write %s", qPrintable(path));
    core().parseFile(path);
    return core().currentExperiment() != nullptr;
}
