#pragma once

#include "support/platform/OperatingSystem.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace fw {

// Reads what is appended to a log file, line by line. A file that shrank (rotated by copy and
// truncate) is read again from its start.
class LogFollower {
public:
    explicit LogFollower(QString path);
    ~LogFollower();
    LogFollower(const LogFollower&) = delete;
    LogFollower& operator=(const LogFollower&) = delete;

    // Follows from the file's present end.
    void skipToEnd();
    // The last lines of the whole file (at most maxLines), then follows from its end.
    QStringList tail(qsizetype maxLines);
    // The complete lines appended since the last read, from at most maxBytes bytes (all when
    // negative); a line still being written waits.
    QStringList readNew(qint64 maxBytes = -1);
    // Whether the last read left bytes unread.
    bool hasMore() const { return m_more; }
    // The file's present size (0 when it is missing).
    qint64 size() const;
    // After the file was emptied on purpose.
    void restartAtBeginning();

private:
    bool ensureOpen();

    QString m_path;
    os::OpenReadHandle m_file;
    qint64 m_offset = 0;
    QByteArray m_partial;
    bool m_more = false;
};

// Splits bytes into lines (LF or CR LF), decoding each as UTF-8.
QStringList splitLogLines(const QByteArray& bytes);

} // namespace fw
