#pragma once
// Line-oriented ANSI text files: read whole as Latin-1, written whole with CR LF
// line ends through a temporary file that replaces the old one only when
// complete. Names are resolved without regard to letter case, so a rewrite goes
// to the file that exists ("Pump.DAT" rewrites "PUMP.DAT").

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

namespace platform {

// Joins a folder and a relative path written with "\" or "/".
QString joinPath(const QString& folder, const QString& relative);

// The path with each existing component spelled as on disk, matched without
// regard to letter case; components that do not exist stay as given.
QString resolveCase(const QString& path);

// True when a regular file exists at the path (letter case ignored).
bool fileExists(const QString& path);

// The name after the last "/" or "\" of a path (the whole path without one).
QString fileNameOf(const QString& path);

enum class ReadStatus { Ok, Missing, CannotOpen, TooLarge };

// No text file the program reads is anywhere near this size; a larger one is
// refused rather than loaded into memory.
inline constexpr qint64 kMaxTextFileBytes = 32 * 1024 * 1024;

// Opens a file that the program reads by name, for reading, only when a
// regular file is at the path (letter case ignored): a FIFO, a device or a
// folder counts as missing and is not opened. The open never waits (a FIFO
// swapped in after the check would wait for a writer that may never come):
// what it opened is judged again, and anything but a regular file is closed
// and counts as missing. Every reader of a named file opens it so.
ReadStatus openRegularFile(const QString& path, QFile& file);

// Asks the system to put what was written to the open file on the disk;
// false (and error, when given, says why) when it could not.
bool syncToDisk(int fd, QString* error = nullptr);
// The same for a file the program wrote and closed, opened as
// openRegularFile opens it.
bool syncFileToDisk(const QString& path);

// At most `count` bytes from the start of the file (the rest is not read),
// opened as openRegularFile opens it.
ReadStatus readFirstBytes(const QString& path, qint64 count, QByteArray& bytes);

// Reads the whole file into lines. A line ends at CR LF or a lone LF; a final
// line end does not start another line.
ReadStatus readLines(const QString& path, QStringList& lines);

// Reads the whole file as one Latin-1 text, line ends included (TooLarge
// beyond kMaxTextFileBytes).
ReadStatus readText(const QString& path, QString& text);
// The whole file as its bytes, for a parser that decodes them itself; the
// same statuses and size limit.
ReadStatus readBytes(const QString& path, QByteArray& bytes);

// Where a write to `path` lands (letter case ignored): the file itself, or
// the file at the end of its links. Empty, and error (when given) says why,
// when something other than a regular file is there (a FIFO, a device, a
// folder) or a link leads to nothing: a write never replaces either.
QString writeTarget(const QString& path, QString* error = nullptr);

// Puts the folder that holds `path` on the disk, so that a file renamed or
// linked into it keeps its name through a power cut; false (and error, when
// given, says why and that the new file may not be on the disk) when the
// system could not.
bool syncFolderOf(const QString& path, QString* error = nullptr);

// Writes the lines, each followed by CR LF, replacing the file only when the
// whole text was written and is on the disk, then puts its folder on the
// disk. A target that is not a regular file is refused (writeTarget). On
// failure error (when given) says why and the old file is untouched, unless
// only the folder's sync failed: then the new file stands in its place but
// may not survive a power cut, and `replaced` (when given) says so.
bool writeLines(const QString& path, const QStringList& lines, QString* error = nullptr, bool* replaced = nullptr);

// Sequential reading over lines already in memory, with an end-of-stream test.
class LineStream {
public:
    LineStream() = default;
    explicit LineStream(QStringList lines) : m_lines(std::move(lines)) {}
    // How a text is split into lines: at CR LF or a lone LF (a lone CR
    // stays in its line), or at every CR and LF, CRs followed by an LF
    // counting as one break.
    enum class Breaks { CrLfOrLf, AnyCrOrLf };
    // The lines of a whole text, split as readLines splits a file, or with
    // every CR a line break. No line is copied until it is asked for as a
    // QString, so large files read fast.
    static LineStream overText(QString text, Breaks breaks = Breaks::CrLfOrLf);
    bool atEnd() const;
    // The next line; false (and line untouched) when at the end.
    bool readLine(QString& line);
    // The next line as a view into the stream, valid while the stream lives
    // and is not assigned; false (and line untouched) when at the end.
    bool readLine(QStringView& line);
    // The number of lines read.
    qsizetype position() const { return m_pos; }

private:
    QStringList m_lines;
    QString m_text;
    bool m_overText = false;
    Breaks m_breaks = Breaks::CrLfOrLf;
    qsizetype m_offset = 0; // over a text: where the next line starts
    qsizetype m_pos = 0;
};

} // namespace platform
