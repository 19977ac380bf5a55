#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <functional>

// Writes a file whole or not at all: the content goes to a temporary file in
// the target's folder, which replaces the target only once every byte was
// written and flushed to the disk. When anything fails the old file stays as
// it was, no temporary file is left behind, and the system's reason ("No
// space left on device") is given. Data files, reports and CSV exports are
// all written this way.
class WholeFile
{
public:
    // True when `fileName` now holds `content`; false (with the reason in
    // `error` when given) when it still holds what it held before.
    static bool write(const QString &fileName, const QByteArray &content, QString *error = nullptr);
    // The same for `content` followed by what `tail` gives. `tail` runs on
    // another thread while `content` is written and flushed (the digest of
    // a large file: neither then waits for the other).
    static bool write(const QString &fileName, const QByteArray &content,
                      const std::function<QByteArray()> &tail, QString *error = nullptr);
    // Files that belong together (a report and its CSV export): each
    // (name, content) is written whole to its temporary file first, and only
    // when every one is whole do they replace their targets, one right after
    // the other. When any cannot be written whole, every old file stays as it
    // was; `failedFile` names the one that failed and `error` says why.
    static bool writeTogether(const QList<QPair<QString, QByteArray>> &files,
                              QString *error = nullptr, QString *failedFile = nullptr);
};
