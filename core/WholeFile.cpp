#include "WholeFile.h"

#include "ReplacementFile.h"

#include <future>
#include <memory>
#include <vector>

bool WholeFile::write(const QString &fileName, const QByteArray &content, QString *error)
{
    return write(fileName, content, nullptr, error);
}

bool WholeFile::write(const QString &fileName, const QByteArray &content,
                      const std::function<QByteArray()> &tail, QString *error)
{
    std::future<QByteArray> tailBytes;
    if (tail)
        tailBytes = std::async(std::launch::async, tail);
    ReplacementFile file(fileName);
    // The content goes to the disk while the tail is made.
    const bool written = file.open() && file.write(content) &&
                         (!tail || (file.sync() && file.write(tailBytes.get()))) && file.sync() &&
                         file.commit();
    if (!written && error)
        *error = file.errorString();
    return written;
}

bool WholeFile::writeTogether(const QList<QPair<QString, QByteArray>> &files, QString *error,
                              QString *failedFile)
{
    std::vector<std::unique_ptr<ReplacementFile>> copies;
    const auto fail = [&](int index) {
        if (error)
            *error = copies.at(size_t(index))->errorString();
        if (failedFile)
            *failedFile = files.at(index).first;
        // Each uncommitted copy goes with its object.
        return false;
    };
    for (int i = 0; i < files.size(); ++i) {
        copies.push_back(std::make_unique<ReplacementFile>(files.at(i).first));
        ReplacementFile &copy = *copies.back();
        if (!(copy.open() && copy.write(files.at(i).second) && copy.sync() && copy.nameCopy()))
            return fail(i);
    }
    // Every copy is whole on the disk under its own name: only the renames
    // are left, one right after the other, so that the moment in which some
    // files are new and others still old is as short as it can be.
    for (int i = 0; i < files.size(); ++i) {
        if (!copies.at(size_t(i))->commit())
            return fail(i);
    }
    return true;
}
