#include "support/files/CFile.h"

#include "support/errors/ComponentGuard.h"
#include "support/files/AnsiTextFile.h"
#include "support/files/PathHelpers.h"
#include "support/files/RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <array>
#include <cstring>
#include <filesystem>
#include <limits>

namespace fw {
namespace {

const ComponentErrors kErrors { FileError::NotInitialized, FileError::DeleteFailed,
    FileError::ComponentFailure, FortwrightError::componentSource(QStringLiteral("CFile")),
    QStringLiteral("CFile component failure") };

constexpr qint64 kBlock = 16384;

// Blanks only, as the path arguments are trimmed.
QString trimBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

bool sameBlocks(QFile& a, QFile& b, qint64 length)
{
    std::array<char, kBlock> left {};
    std::array<char, kBlock> right {};
    for (qint64 done = 0; done < length;) {
        const qint64 block = std::min(kBlock, length - done);
        if (a.read(left.data(), block) != block || b.read(right.data(), block) != block)
            throw kErrors.failure();
        if (std::memcmp(left.data(), right.data(), std::size_t(block)) != 0)
            return false;
        done += block;
    }
    return true;
}

} // namespace

void CFile::Init(const QString& pathFileName)
{
    if (pathFileName.isEmpty())
        throw kErrors.error(FileError::InvalidFileName, "Invalid file name");
    m_path = pathFileName;
}

void CFile::setPathFileName(const QString& pathFileName)
{
    Init(pathFileName);
}

const QString& CFile::path() const
{
    if (m_path.isEmpty())
        throw kErrors.error(FileError::NotInitialized,
            "Object not properly initialized. Set the PathFileName property to a non-empty value first");
    return m_path;
}

void CFile::requireExisting() const
{
    if (!QFileInfo::exists(path()))
        throw kErrors.error(FileError::FileNotFound, "File not found");
}

QString CFile::PathFileName() const
{
    return path();
}

quint32 CFile::Attributes() const
{
    return kErrors.guard([&] {
        requireExisting();
        const QFileInfo info(m_path);
        quint32 bits = info.isDir() ? FileAttribute::Directory : FileAttribute::Archive;
        // Like the Windows attribute, a property of the file rather than of who asks.
        if (!info.permission(QFile::WriteOwner))
            bits |= FileAttribute::ReadOnly;
        if (info.fileName().startsWith(QLatin1Char('.')))
            bits |= FileAttribute::Hidden;
        return bits;
    });
}

bool CFile::ReadOnly() const
{
    return (Attributes() & FileAttribute::ReadOnly) != 0;
}

QString CFile::Contents() const
{
    return kErrors.guard([&] {
        requireExisting();
        QString text;
        for (const QString& line : splitTextLines(readAnsiFile(m_path)))
            text += QStringLiteral("\r\n") + line;
        return text;
    });
}

void CFile::setContents(const QString& text)
{
    kErrors.guard([&] { writeAnsiLines(path(), { text }); });
}

QString CFile::FileName() const
{
    return kErrors.guard([&] { return GetNamePart(path()); });
}

QString CFile::FileExt() const
{
    return kErrors.guard([&] {
        const qsizetype dot = path().lastIndexOf(QLatin1Char('.'));
        return dot < 0 ? QString() : m_path.mid(dot + 1);
    });
}

QString CFile::FilePath() const
{
    return kErrors.guard(
        [&] { return path().left(std::max<qsizetype>(0, m_path.size() - FileName().size() - 1)); });
}

QString CFile::ShortFileName() const
{
    return kErrors.guard([&] {
        const QString full = path().left(path().indexOf(QChar(u'\0')));
        return QFileInfo::exists(full) ? full : QString();
    });
}

qint32 CFile::Size() const
{
    return kErrors.guard([&] {
        requireExisting();
        const qint64 size = QFileInfo(m_path).size();
        if (size > std::numeric_limits<qint32>::max())
            throw kErrors.failure();
        return qint32(size);
    });
}

std::pair<QString, QString> CFile::sourceAndTarget(const QString& newFileName) const
{
    const QString source = trimBlanks(path());
    const QString target = trimBlanks(newFileName);
    if (target.isEmpty())
        throw kErrors.error(FileError::InvalidFileName, "Invalid file name");
    if (!QFileInfo::exists(source))
        throw kErrors.error(FileError::FileNotFound, "File not found");
    return { source, target };
}

void CFile::Copy(const QString& newFileName) const
{
    kErrors.guard([&] {
        const auto [source, target] = sourceAndTarget(newFileName);
        std::error_code failure;
        std::filesystem::copy_file(source.toStdU16String(), target.toStdU16String(),
            std::filesystem::copy_options::overwrite_existing, failure);
        if (failure)
            throw kErrors.error(FileError::CopyFailed, "File copy failed");
    });
}

void CFile::Move(const QString& newFileName) const
{
    kErrors.guard([&] {
        const auto [source, target] = sourceAndTarget(newFileName);
        if (!QFile::rename(source, target))
            throw kErrors.error(FileError::MoveFailed, "File move failed");
    });
}

void CFile::Delete() const
{
    kErrors.guard([&] {
        requireExisting();
        if (!QFile::remove(m_path))
            throw kErrors.error(FileError::DeleteFailed, "File delete failed");
    });
}

bool CFile::Exists() const
{
    return kErrors.guard([&] { return QFileInfo::exists(path()); });
}

bool CFile::IdenticalWith(const QString& referenceFileName) const
{
    return kErrors.guard([&] {
        requireExisting();
        if (!QFileInfo::exists(referenceFileName))
            throw kErrors.error(FileError::FileNotFound, "File not found");
        QFile mine(m_path);
        QFile reference(referenceFileName);
        if (!openRegularFile(mine) || !openRegularFile(reference))
            throw kErrors.failure();
        if (mine.size() != reference.size())
            return false;
        return sameBlocks(mine, reference, mine.size());
    });
}

} // namespace fw
