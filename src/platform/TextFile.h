#pragma once
// Line-oriented ANSI text files: read whole as Latin-1, written whole with CR LF
// line ends through a temporary file that replaces the old one only when
// complete. Names are resolved without regard to letter case, so a rewrite goes
// to the file that exists ("Pump.DAT" rewrites "PUMP.DAT").

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

enum class ReadStatus { Ok, Missing, CannotOpen };

// Reads the whole file into lines. A line ends at CR LF or a lone LF; a final
// line end does not start another line.
ReadStatus readLines(const QString& path, QStringList& lines);

// Writes the lines, each followed by CR LF, replacing the file only when the
// whole text was written. On failure the old file is untouched and error
// (when given) says why.
bool writeLines(const QString& path, const QStringList& lines, QString* error = nullptr);

// Sequential reading over lines already in memory, with an end-of-stream test.
class LineStream {
public:
    LineStream() = default;
    explicit LineStream(QStringList lines) : m_lines(std::move(lines)) {}
    bool atEnd() const { return m_pos >= m_lines.size(); }
    // The next line; false (and line untouched) when at the end.
    bool readLine(QString& line);
    qsizetype position() const { return m_pos; }
private:
    QStringList m_lines;
    qsizetype m_pos = 0;
};

} // namespace platform
