#pragma once

#include <QString>
#include <QTemporaryDir>

namespace fw::test {

// A small tmpfs mounted for one test, so a full disk is real and not simulated. Mounting needs
// the right to mount (root in a container that allows it); without it, skipReason says why and
// the test skips.
class TinyDisk {
public:
    explicit TinyDisk(int kibibytes = 256);
    ~TinyDisk();
    TinyDisk(const TinyDisk&) = delete;
    TinyDisk& operator=(const TinyDisk&) = delete;

    bool mounted() const { return m_mounted; }
    const QString& skipReason() const { return m_skipReason; }
    QString path(const QString& name = {}) const;
    // Takes every free byte with a filler file.
    void fill() const;

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_skipReason;
};

} // namespace fw::test
