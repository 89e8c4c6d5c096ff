#pragma once

#include "testkit/TestContext.h"

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <QString>
#include <functional>

namespace fw::test {

// Every file under a folder, hidden ones and those in subfolders too, with its bytes, by path
// relative to the folder: two snapshots are equal only if nothing was changed, added or left
// behind. Files whose name leaveOut accepts are not taken.
using FolderSnapshot = QMap<QString, QByteArray>;
inline FolderSnapshot snapshotFolder(
    const QString& folder, const std::function<bool(const QString& name)>& leaveOut = {})
{
    FolderSnapshot files;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();) {
        const QFileInfo info = it.nextFileInfo();
        if (!leaveOut || !leaveOut(info.fileName()))
            files.insert(QDir(folder).relativeFilePath(info.filePath()), readBytes(info.filePath()));
    }
    return files;
}

// The error log, which records the failures a test provokes.
inline bool isErrorLog(const QString& name)
{
    return name == QLatin1String("Fortwright.log");
}

} // namespace fw::test
