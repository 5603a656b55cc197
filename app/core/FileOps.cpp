// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileOps.h"

#include "Globals.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace FileOps {

namespace {
bool plainName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/'));
}
} // namespace

QString BackupFolder(const QString& name)
{
    if (!plainName(name))
        return QString();
    const QDir userDir(Globals::ProgramDir() + name);
    if (!userDir.exists())
        return QString();
    const QStringList dirs = userDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& d : dirs) {
        if (d.compare(QLatin1String("Backup"), Qt::CaseInsensitive) == 0)
            return userDir.filePath(d);
    }
    return QString();
}

bool BackupFolderExists(const QString& name)
{
    return !BackupFolder(name).isEmpty();
}

bool CopyFilesQuietly(const QString& sourcePattern, const QString& destinationFolder)
{
    const QFileInfo pattern(sourcePattern);
    QString filter = pattern.fileName();
    if (filter == QLatin1String("*.*"))
        filter = QStringLiteral("*");
    const QDir source(pattern.absolutePath());
    if (!source.exists())
        return false;
    QDir().mkpath(destinationFolder);
    const QDir dest(destinationFolder);
    bool ok = true;
    const QFileInfoList files =
        source.entryInfoList({filter}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& fi : files) {
        QFile in(fi.absoluteFilePath());
        QSaveFile out(dest.filePath(fi.fileName()));
        bool copied = in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly);
        while (copied && !in.atEnd()) {
            const QByteArray chunk = in.read(1 << 16);
            copied = !chunk.isEmpty() && out.write(chunk) == chunk.size();
        }
        if (copied)
            copied = out.commit();
        else
            out.cancelWriting();
        ok = ok && copied;
    }
    return ok;
}

bool DeleteTreeQuietly(const QString& folder)
{
    QDir dir(folder);
    if (!dir.exists())
        return true;
    return dir.removeRecursively();
}

} // namespace FileOps
