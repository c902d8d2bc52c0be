#pragma once
// A throw-away program folder for a test, optionally filled with the shipped
// data or with fixture files.

#include <QString>
#include <QTemporaryDir>

class TestFolder {
public:
    TestFolder();
    // The folder's path.
    QString path() const { return m_dir.path(); }
    // A path inside it, written with "/" or "\".
    QString file(const QString& relative) const;
    // Copies the shipped program folder (data/) into it.
    void copyShippedData();
    // Writes bytes to a file inside it, creating folders as needed.
    void write(const QString& relative, const QByteArray& bytes);
    // Writes lines joined by CR LF, each ended by CR LF.
    void writeLines(const QString& relative, const QStringList& lines);
    // The bytes of a file inside it (empty when missing).
    QByteArray read(const QString& relative) const;

private:
    QTemporaryDir m_dir;
};
