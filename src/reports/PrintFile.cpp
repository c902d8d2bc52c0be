#include "PrintFile.h"

#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <sys/stat.h>

namespace reports {

namespace {

// A PDF is whole when it ends with its trailer and its cross-reference
// table stands where the trailer says: a write that failed anywhere on the
// way (a full disk) leaves it short, though the printer reports no error.
bool wholePdf(const QString& path)
{
    QFile file;
    if (platform::openRegularFile(path, file) != platform::ReadStatus::Ok || file.read(5) != "%PDF-")
        return false;
    const qint64 size = file.size();
    const qint64 tailStart = std::max<qint64>(0, size - 1024);
    if (!file.seek(tailStart))
        return false;
    const QByteArray tail = file.read(size - tailStart);
    const qsizetype eof = tail.lastIndexOf("%%EOF");
    const qsizetype startxref = tail.lastIndexOf("startxref");
    if (eof < 0 || !tail.mid(eof + 5).trimmed().isEmpty() || startxref < 0 || startxref > eof)
        return false;
    bool number = false;
    const qint64 xref = tail.mid(startxref + 9, eof - startxref - 9).trimmed().toLongLong(&number);
    if (!number || xref <= 0 || xref >= tailStart + startxref || !file.seek(xref))
        return false;
    return file.read(4) == "xref";
}

} // namespace

bool FileBeside::reserve(const QString& target)
{
    // A link is followed: the file it names is the one replaced.
    m_target = platform::writeTarget(target, &m_error);
    if (m_target.isEmpty())
        return false;
    const QFileInfo final(m_target);
    // The same suffix, so that the printer keeps its output format.
    const QString name = final.suffix().isEmpty()
                             ? final.fileName() + QStringLiteral("-XXXXXX")
                             : final.completeBaseName() + QStringLiteral("-XXXXXX.") + final.suffix();
    m_file = std::make_unique<QTemporaryFile>(final.dir().filePath(name));
    if (!m_file->open())
        return false;
    m_file->close();
    return true;
}

bool FileBeside::commit()
{
    if (!m_file || !wholePdf(path()) || !platform::syncFileToDisk(path()))
        return false;
    const QByteArray from = QFile::encodeName(path());
    const QByteArray to = QFile::encodeName(m_target);
    struct stat old{};
    mode_t rights = 0;
    if (::stat(to.constData(), &old) == 0) {
        rights = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        rights = 0666 & ~mask;
    }
    // One step: the name holds the old file or the new one, never a part.
    if (::chmod(from.constData(), rights) != 0 || std::rename(from.constData(), to.constData()) != 0)
        return false;
    m_file->setAutoRemove(false);
    return platform::syncFolderOf(m_target, &m_error);
}

} // namespace reports
