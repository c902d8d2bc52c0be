#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

QString joinPath(const QString& folder, const QString& relative)
{
    QString rel = relative;
    rel.replace('\\', '/');
    while (rel.startsWith('/'))
        rel.remove(0, 1);
    if (folder.isEmpty())
        return rel;
    QString base = folder;
    base.replace('\\', '/');
    if (base.endsWith('/'))
        base.chop(1);
    return base + '/' + rel;
}

namespace {
// A name inside a folder path built so far (empty: the working folder).
QString inside(const QString& folder, const QString& name)
{
    if (folder.isEmpty())
        return name;
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}
} // namespace

QString resolveCase(const QString& path)
{
    QString p = path;
    p.replace('\\', '/');
    if (QFileInfo::exists(p))
        return p;
    const QStringList parts = p.split('/');
    QString current;
    int i = 0;
    if (p.startsWith('/')) {
        current = "/";
        i = 1;
    }
    for (; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (part.isEmpty())
            continue;
        const QString exact = inside(current, part);
        if (!QFileInfo::exists(exact)) {
            const QDir dir(current.isEmpty() ? QStringLiteral(".") : current);
            const QStringList entries =
                dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            QString found;
            for (const QString& e : entries) {
                if (e.compare(part, Qt::CaseInsensitive) == 0) {
                    found = e;
                    break;
                }
            }
            if (found.isEmpty()) {
                // Nothing further can exist: keep the rest as given.
                return inside(current, parts.mid(i).join('/'));
            }
            current = inside(current, found);
        } else {
            current = exact;
        }
    }
    return current;
}

bool fileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    return QFileInfo(resolveCase(path)).isFile();
}

QString fileNameOf(const QString& path)
{
    const qsizetype a = path.lastIndexOf('/');
    const qsizetype b = path.lastIndexOf('\\');
    const qsizetype p = std::max(a, b);
    return p < 0 ? path : path.mid(p + 1);
}

namespace {
// An open and a sync, each taken up again when a signal interrupts it.
int openRetried(const QByteArray& name, int flags)
{
    int fd = -1;
    do
        fd = ::open(name.constData(), flags);
    while (fd < 0 && errno == EINTR);
    return fd;
}
int fsyncRetried(int fd)
{
    int result = 0;
    do
        result = ::fsync(fd);
    while (result != 0 && errno == EINTR);
    return result;
}
} // namespace

ReadStatus openRegularFile(const QString& path, QFile& file)
{
    const QFileInfo info(resolveCase(path));
    // What is not a regular file now is never opened (a device may act on
    // an open).
    if (!info.isFile())
        return ReadStatus::Missing;
    // The file can still be swapped for a FIFO before the open: opened
    // without waiting, the descriptor itself says what it is.
    const QByteArray name = QFile::encodeName(info.filePath());
    int fd = openRetried(name, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    // A regular file under another's write lease (a share's oplock) refuses
    // an open that will not wait: it is opened as any program would, waiting
    // for the lease to be given up.
    if (fd < 0 && errno == EWOULDBLOCK && QFileInfo(info.filePath()).isFile())
        fd = openRetried(name, O_RDONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return QFileInfo(info.filePath()).isFile() ? ReadStatus::CannotOpen : ReadStatus::Missing;
    struct stat st{};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return ReadStatus::Missing;
    }
    // Reads of a regular file never wait; the flag is cleared all the same.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return ReadStatus::CannotOpen;
    }
    return ReadStatus::Ok;
}

bool syncToDisk(int fd, QString* error)
{
    if (fsyncRetried(fd) == 0)
        return true;
    if (error)
        *error = qt_error_string(errno);
    return false;
}

bool syncFileToDisk(const QString& path)
{
    QFile file;
    return openRegularFile(path, file) == ReadStatus::Ok && syncToDisk(file.handle());
}

namespace {
// What the open file holds from its start, read in pieces so that nothing is
// reserved for a size it does not have, and at most `count` bytes.
QByteArray readUpTo(QFile& file, qint64 count)
{
    constexpr qint64 kPiece = 64 * 1024;
    QByteArray bytes;
    bytes.reserve(qsizetype(std::min(file.size(), count)));
    while (bytes.size() < count) {
        const QByteArray piece = file.read(std::min(kPiece, count - bytes.size()));
        if (piece.isEmpty())
            break;
        bytes += piece;
    }
    return bytes;
}
} // namespace

ReadStatus readFirstBytes(const QString& path, qint64 count, QByteArray& bytes)
{
    bytes.clear();
    QFile file;
    const ReadStatus status = openRegularFile(path, file);
    if (status == ReadStatus::Ok)
        bytes = readUpTo(file, count);
    return status;
}

ReadStatus readBytes(const QString& path, QByteArray& bytes)
{
    bytes.clear();
    QFile file;
    const ReadStatus status = openRegularFile(path, file);
    if (status != ReadStatus::Ok)
        return status;
    if (file.size() > kMaxTextFileBytes)
        return ReadStatus::TooLarge;
    // One byte past the limit tells a file that grew meanwhile, refused too.
    bytes = readUpTo(file, kMaxTextFileBytes + 1);
    if (bytes.size() > kMaxTextFileBytes) {
        bytes.clear();
        return ReadStatus::TooLarge;
    }
    return ReadStatus::Ok;
}

ReadStatus readText(const QString& path, QString& text)
{
    text.clear();
    QByteArray bytes;
    const ReadStatus status = readBytes(path, bytes);
    if (status == ReadStatus::Ok)
        text = QString::fromLatin1(bytes);
    return status;
}

ReadStatus readLines(const QString& path, QStringList& lines)
{
    lines.clear();
    QString text;
    const ReadStatus status = readText(path, text);
    if (status != ReadStatus::Ok)
        return status;
    lines.reserve(text.count(QLatin1Char('\n')) + 1);
    LineStream stream = LineStream::overText(std::move(text));
    QStringView line;
    while (stream.readLine(line))
        lines.append(line.toString());
    return ReadStatus::Ok;
}

QString writeTarget(const QString& path, QString* error)
{
    const QString resolved = resolveCase(path);
    const QByteArray name = QFile::encodeName(resolved);
    struct stat st{};
    if (::stat(name.constData(), &st) == 0) {
        if (S_ISREG(st.st_mode))
            return QFileInfo(resolved).canonicalFilePath();
        if (error)
            *error = QStringLiteral("it is not a regular file");
        return QString();
    }
    const int reason = errno;
    if (reason == ENOENT) {
        // Nothing there yet: a new file. A link that leads nowhere is refused
        // rather than followed to wherever it points.
        struct stat link{};
        if (::lstat(name.constData(), &link) != 0 || !S_ISLNK(link.st_mode))
            return resolved;
        if (error)
            *error = QStringLiteral("it is a link to a file that does not exist");
        return QString();
    }
    if (error)
        *error = qt_error_string(reason);
    return QString();
}

bool syncFolderOf(const QString& path, QString* error)
{
    const int fd = openRetried(QFile::encodeName(QFileInfo(path).absolutePath()), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const int result = fd < 0 ? -1 : fsyncRetried(fd);
    const int reason = errno;
    if (fd >= 0)
        ::close(fd);
    // A file system that keeps no folder to sync says EINVAL: nothing is
    // left to put on the disk there.
    if (result == 0 || (fd >= 0 && reason == EINVAL))
        return true;
    if (error)
        *error = QStringLiteral("%1 at the sync of its folder, so the new file may not be on the disk")
                     .arg(qt_error_string(reason));
    return false;
}

bool writeLines(const QString& path, const QStringList& lines, QString* error, bool* replaced)
{
    if (replaced)
        *replaced = false;
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toLatin1();
        bytes += "\r\n";
    }
    // QSaveFile would put a regular file in the place of a FIFO or a device.
    const QString target = writeTarget(path, error);
    if (target.isEmpty())
        return false;
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // QSaveFile::commit does not notice a failed flush of its buffer (a full
    // disk) and would replace the file by a truncated one: flush first.
    // The flush loses the system's reason; keep it from errno.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int reason = errno;
        if (error)
            *error = reason != 0 ? qt_error_string(reason) : file.errorString();
        file.cancelWriting();
        return false;
    }
    // Nor does it heed a failed sync (a failing disk, a network file system
    // out of room): the new file must be on the disk before it takes the old
    // one's place.
    if (!syncToDisk(file.handle(), error)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // The new name is on the disk only once its folder is.
    if (!syncFolderOf(target, error)) {
        if (replaced)
            *replaced = true;
        return false;
    }
    return true;
}

LineStream LineStream::overText(QString text, Breaks breaks)
{
    LineStream stream;
    stream.m_text = std::move(text);
    stream.m_overText = true;
    stream.m_breaks = breaks;
    return stream;
}

bool LineStream::atEnd() const { return m_overText ? m_offset >= m_text.size() : m_pos >= m_lines.size(); }

bool LineStream::readLine(QStringView& line)
{
    if (atEnd())
        return false;
    if (!m_overText) {
        line = m_lines.at(m_pos++);
        return true;
    }
    const QStringView rest = QStringView(m_text).mid(m_offset);
    if (m_breaks == Breaks::AnyCrOrLf) {
        qsizetype end = 0;
        while (end < rest.size() && rest[end] != QLatin1Char('\n') && rest[end] != QLatin1Char('\r'))
            ++end;
        line = rest.left(end);
        // CRs followed by an LF are one break (a stray CR before CR LF);
        // a CR followed by anything else is a break of its own.
        qsizetype next = end;
        while (next < rest.size() && rest[next] == QLatin1Char('\r'))
            ++next;
        if (next > end && next < rest.size() && rest[next] == QLatin1Char('\n'))
            end = next;
        m_offset += std::min(end + 1, rest.size());
        ++m_pos;
        return true;
    }
    const qsizetype nl = rest.indexOf(QLatin1Char('\n'));
    if (nl < 0) {
        line = rest; // the last line, without a line end
        m_offset = m_text.size();
    } else {
        line = rest.left(nl > 0 && rest[nl - 1] == QLatin1Char('\r') ? nl - 1 : nl);
        m_offset += nl + 1;
    }
    ++m_pos;
    return true;
}

bool LineStream::readLine(QString& line)
{
    if (!m_overText) {
        if (atEnd())
            return false;
        line = m_lines.at(m_pos++);
        return true;
    }
    QStringView view;
    if (!readLine(view))
        return false;
    line = view.toString();
    return true;
}

} // namespace platform
