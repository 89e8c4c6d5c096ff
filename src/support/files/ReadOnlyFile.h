#pragma once

#include <QByteArrayView>
#include <QFile>
#include <QList>
#include <QString>

namespace fw {

// A regular file opened for reading spans at chosen offsets, with as few system calls as the
// platform allows. Opening never blocks: a FIFO or device under the name is refused like a
// missing file.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool isOpen() const { return m_open; }
    // Why it is not open.
    const QString& errorString() const { return m_error; }
    qint64 size() const { return m_size; }
    // length bytes from offset from, in a buffer that lives as long as the file; shorter when the
    // file ends first or the read fails.
    QByteArrayView read(qint64 from, qint64 length);

private:
    bool m_open = false;
    QString m_error;
    qint64 m_size = 0;
#ifdef Q_OS_UNIX
    int m_descriptor = -1;
#else
    QFile m_file;
#endif
    QList<QByteArray> m_buffers;
};

} // namespace fw
