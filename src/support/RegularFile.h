#pragma once

#include <QFile>
#include <QString>

namespace fw {

// Whether path names a regular file (or a link to one). A FIFO, socket or device under a data
// file's name is none: reading it would block forever or never end.
bool isRegularFile(const QString& path);
// Opens the file for reading when it is a regular file; false otherwise, as for a missing one.
bool openRegularFile(QFile& file);

} // namespace fw
