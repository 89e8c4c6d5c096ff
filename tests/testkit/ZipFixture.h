#pragma once

#include <QString>
#include <QStringList>

namespace fw::test {

// Writes a zip (pk3) archive with libzip holding the named entries in order, each a small file,
// or a directory entry when the name ends in "/". Fails the running test on an error.
void writeZip(const QString& path, const QStringList& names);

} // namespace fw::test
