#include "support/files/WholeFileBatch.h"

#include "support/errors/FortwrightError.h"
#include "support/platform/OperatingSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <filesystem>
#include <system_error>

namespace fw {
namespace {

// The file a link points to is the one written, as an editor would, so a configuration linked
// into the game folder stays linked.
QString resolvedTarget(const QString& path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 128 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

FortwrightError accessError(const QString& path, const QString& reason)
{
    return FortwrightError(RuntimeError::PathFileAccess, kExecutableName,
        QStringLiteral("Path/File access error: %1 (%2)").arg(QDir::toNativeSeparators(path), reason));
}

QString temporaryName(const QString& target)
{
    static const char kCharacters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString name = target + QLatin1Char('.');
    for (int i = 0; i < 6; ++i)
        name += QLatin1Char(kCharacters[QRandomGenerator::global()->bounded(int(sizeof kCharacters) - 1)]);
    return name;
}

// Opens a new temporary file beside the target that path names (through its links) and returns
// that target. Always beside it and renamed over it: a folder that allows no temporary file gets
// an error, never a file rewritten in place.
QString openTemporaryBeside(const QString& path, QFile& file)
{
    const QString target = resolvedTarget(path);
    const QFileInfo info(target);
    if (!info.absoluteDir().exists())
        throw FortwrightError(RuntimeError::PathNotFound, kExecutableName,
            QStringLiteral("Path not found: %1").arg(QDir::toNativeSeparators(path)));
    if (info.exists() && !info.isWritable())
        throw accessError(
            path, QStringLiteral("Existing file %1 is not writable").arg(QDir::toNativeSeparators(target)));
    for (int attempt = 0; attempt < 100; ++attempt) {
        file.setFileName(temporaryName(target));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || !QFileInfo::exists(file.fileName()))
            break;
    }
    if (!file.isOpen())
        throw accessError(path, file.errorString());
    if (info.exists())
        file.setPermissions(info.permissions());
    return target;
}

} // namespace

WholeFileBatch::~WholeFileBatch()
{
    discard();
}

void WholeFileBatch::add(const QString& path, const QByteArray& bytes)
{
    StagedFile file(path);
    file.write(bytes); // a failed write is the error finish() reports
    m_staged.append(file.finish());
}

void WholeFileBatch::commit()
{
    if (m_staged.isEmpty())
        return;
    QStringList temporaries;
    for (const Staged& staged : std::as_const(m_staged))
        temporaries.append(staged.temporary);
    // The files' bytes reach the disk before any takes its target's name.
    if (!os::syncFileContents(temporaries)) {
        const QString target = m_staged.first().target;
        discard();
        throw accessError(target, QStringLiteral("the file could not be synced to disk"));
    }
    while (!m_staged.isEmpty()) {
        const Staged staged = m_staged.first();
        std::error_code error;
        std::filesystem::rename(QFile::encodeName(staged.temporary).toStdString(),
            QFile::encodeName(staged.target).toStdString(), error);
        if (error) {
            discard();
            throw accessError(staged.target, QString::fromLocal8Bit(error.message()));
        }
        m_staged.removeFirst();
    }
    // The new names themselves reach the disk.
    os::syncFolderEntries(temporaries);
}

void WholeFileBatch::discard()
{
    for (const Staged& staged : std::as_const(m_staged))
        QFile::remove(staged.temporary);
    m_staged.clear();
}

StagedFile::StagedFile(const QString& path)
    : m_path(path)
    , m_target(openTemporaryBeside(path, m_file))
{
}

StagedFile::~StagedFile()
{
    if (m_file.isOpen()) {
        m_file.close();
        m_file.remove();
    }
}

WholeFileBatch::Staged StagedFile::finish()
{
    // On a full disk only the flush may fail; the old file is kept then.
    const bool written = m_file.flush() && m_file.error() == QFileDevice::NoError;
    const QString reason = m_file.errorString();
    m_file.close();
    if (!written) {
        m_file.remove();
        throw accessError(m_path, reason);
    }
    return { m_target, m_file.fileName() };
}

void StagedFile::commit()
{
    WholeFileBatch batch;
    batch.m_staged.append(finish());
    batch.commit();
}

void writeFileWhole(const QString& path, const QByteArray& bytes)
{
    WholeFileBatch batch;
    batch.add(path, bytes);
    batch.commit();
}

} // namespace fw
