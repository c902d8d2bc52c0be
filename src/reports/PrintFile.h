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
    // Reserves the file beside `target`; false when its folder takes none.
    bool reserve(const QString& target);
    QString path() const { return m_file ? m_file->fileName() : QString(); }
    // Puts the written file in the place of the target, with the target's
    // rights (a new file's rights as any other file the program writes),
    // once it is whole and on the disk.
    bool commit();

private:
    QString m_target;
    std::unique_ptr<QTemporaryFile> m_file; // removes what it holds unless committed
};

} // namespace reports
