#pragma once

#include "support/platform/OperatingSystem.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

namespace fw {

// A regular file opened for reading spans at chosen offsets, with as few system calls as the
// platform allows. Opening never blocks: a FIFO or device under the name is refused like a
// missing file.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString& path);
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool isOpen() const { return bool(m_handle); }
    // Why it is not open.
    const QString& errorString() const { return m_error; }
    qint64 size() const { return m_size; }
    // length bytes from offset from, in a buffer that lives as long as the file; shorter when the
    // file ends first or the read fails.
    QByteArrayView read(qint64 from, qint64 length);

private:
    QString m_error;
    qint64 m_size = 0;
    os::OpenReadHandle m_handle;
    QList<QByteArray> m_buffers;
};

} // namespace fw
