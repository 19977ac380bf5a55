#pragma once

#include <QByteArray>
#include <QString>

// The new content of one file, written to a copy in the file's folder and put
// in the file's place only by commit(): until then, and whatever fails, the
// old file stays as it was. A name that is a symbolic link stands for the
// file it leads to (the link stays); a link that leads nowhere but round in
// a loop is refused with the system's reason.
//
// The copy has no name until commit() gives it one just before it takes the
// file's place (where the file system allows unnamed files). A process that
// dies in between leaves that named copy: the next replacement of the same
// file removes such copies once no living writer holds them.
class ReplacementFile
{
public:
    // What stands between the file's name and the six characters of a
    // copy's name: "report.pdf.valtrix-copy-a1B2c3".
    static const char *const CopyTag;

    explicit ReplacementFile(const QString &fileName);
    // An uncommitted copy goes with its object.
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile &) = delete;
    ReplacementFile &operator=(const ReplacementFile &) = delete;

    // Finds the file the name stands for, removes the copies that dead
    // writers left beside it, and opens the new copy.
    bool open();
    // Appends all of `bytes` to the copy.
    bool write(const QByteArray &bytes);
    // Puts what was written on the disk, where a network or quota file
    // system may refuse it only now.
    bool sync();
    // Gives the copy its name beside the file, which commit() does first when
    // it was not done: files replaced together name every copy before the
    // first takes its file's place.
    bool nameCopy();
    // Puts the copy in the file's place and syncs the folder, so that the
    // new name outlives a power cut.
    bool commit();

    // The system's reason for the last failure.
    QString errorString() const { return m_error; }

private:
    bool fail(int error);
    bool resolveTarget();
    void removeDeadCopies() const;
    bool openUnnamedCopy();
    bool openNamedCopy();
    bool syncFolder();
    QByteArray newCopyName() const;

    QByteArray m_name;
    QByteArray m_target;
    QByteArray m_folder;
    QByteArray m_copy;
    int m_fd = -1;
    bool m_committed = false;
    QString m_error;
};
