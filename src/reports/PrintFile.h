#pragma once
// A print to a file goes to a file of its own beside it, which takes the
// file's place only once the whole document is in it: a failure, a Cancel
// or the program's end on the way leave the old file as it was.

#include <QString>
#include <QTemporaryFile>
#include <memory>

namespace reports {

class FileBeside {
public:
    // Reserves the file beside `target` (the file at the end of its links);
    // false when the target is not a regular file (a FIFO, a device, a
    // link that leads nowhere: nothing replaces them) or its folder takes
    // no file.
    bool reserve(const QString& target);
    QString path() const { return m_file ? m_file->fileName() : QString(); }
    // Puts the written file in the place of the target, with the target's
    // rights (a new file's rights as any other file the program writes),
    // once it is whole and on the disk, then puts the folder on the disk.
    // False when any step failed; only a failed sync of the folder leaves
    // the new file in place.
    bool commit();
    // Why reserve or commit failed, when the system said.
    QString error() const { return m_error; }

private:
    QString m_target;
    QString m_error;
    std::unique_ptr<QTemporaryFile> m_file; // removes what it holds unless committed
};

} // namespace reports
