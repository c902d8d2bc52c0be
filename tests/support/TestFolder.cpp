#include "TestFolder.h"

#include "platform/TextFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

TestFolder::TestFolder() = default;

QString TestFolder::file(const QString& relative) const { return platform::joinPath(path(), relative); }

void TestFolder::copyShippedData()
{
    const QString src = QStringLiteral(TDR_SOURCE_DATA);
    QDirIterator it(src, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        const QString rel = QDir(src).relativeFilePath(f);
        const QString dst = file(rel);
        QDir().mkpath(QFileInfo(dst).path());
        QFile::copy(f, dst);
        QFile(dst).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    }
    QDir().mkpath(file("SaveSiteInfo"));
}

void TestFolder::write(const QString& relative, const QByteArray& bytes)
{
    const QString dst = file(relative);
    QDir().mkpath(QFileInfo(dst).path());
    QFile f(dst);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

void TestFolder::writeLines(const QString& relative, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& l : lines)
        bytes += l.toLatin1() + "\r\n";
    write(relative, bytes);
}

QByteArray TestFolder::read(const QString& relative) const
{
    QFile f(file(relative));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}
