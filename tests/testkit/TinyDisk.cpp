#include "testkit/TinyDisk.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace fw::test {

TinyDisk::TinyDisk(int kibibytes)
{
    const QByteArray target = QFile::encodeName(m_dir.path());
    const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k,mode=0755";
    if (::mount("tmpfs", target.constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) == 0)
        m_mounted = true;
    else
        m_skipReason = QStringLiteral("cannot mount a tmpfs for a full disk here (%1)")
                           .arg(QString::fromLocal8Bit(std::strerror(errno)));
}

TinyDisk::~TinyDisk()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

QString TinyDisk::path(const QString& name) const
{
    return name.isEmpty() ? m_dir.path() : QDir(m_dir.path()).filePath(name);
}

void TinyDisk::fill() const
{
    QFile filler(path(QStringLiteral(".filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    const QByteArray block(512, 'f');
    while (filler.write(block) == block.size() && filler.flush()) { }
    // The last partial block may still fit byte by byte.
    while (filler.write("f", 1) == 1 && filler.flush()) { }
}

} // namespace fw::test
