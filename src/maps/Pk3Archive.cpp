#include "maps/Pk3Archive.h"

#include "support/FortwrightError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <zip.h>

namespace fw {

namespace {

[[noreturn]] void throwNotFound(const QString& path, const QString& reason)
{
    throw FortwrightError(RuntimeError::FileNotFound, kExecutableName,
        QStringLiteral("File not found: %1 (%2)").arg(QDir::toNativeSeparators(path), reason));
}

} // namespace

Pk3Entry Pk3Entry::fromPath(const QString& entryPath)
{
    QString path = entryPath;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    const qsizetype cut = path.lastIndexOf(QLatin1Char('\\')) + 1;
    return { path.mid(cut).trimmed(), path.left(cut).toLower().trimmed() };
}

Pk3Archive::Pk3Archive(const QString& path)
    : m_path(path)
{
    // Some libzip versions open an empty file as a new, empty archive; here it is simply no archive.
    if (const QFileInfo info(path); info.exists() && info.size() == 0)
        throwNotFound(path, QStringLiteral("empty file"));
    int error = 0;
    m_zip.reset(zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error));
    if (!m_zip) {
        zip_error_t details;
        zip_error_init_with_code(&details, error);
        const QString reason = QString::fromLocal8Bit(zip_error_strerror(&details));
        zip_error_fini(&details);
        throwNotFound(path, reason);
    }
    m_count = zip_get_num_entries(m_zip.get(), 0);
}

Pk3Archive::~Pk3Archive() = default;

void Pk3Archive::cacheLocalTimeZone()
{
#ifndef Q_OS_WIN
    if (!qEnvironmentVariableIsSet("TZ") && QFileInfo::exists(QStringLiteral("/etc/localtime")))
        qputenv("TZ", ":/etc/localtime");
#endif
}

void Pk3Archive::Closer::operator()(zip* archive) const
{
    zip_discard(archive);
}

Pk3Entry Pk3Archive::entry(qint64 index) const
{
    const char* name = zip_get_name(m_zip.get(), static_cast<zip_uint64_t>(index), ZIP_FL_ENC_GUESS);
    if (!name)
        throw FortwrightError(RuntimeError::InternalError, kExecutableName,
            QStringLiteral("Cannot read entry %1 of %2: %3")
                .arg(index)
                .arg(QDir::toNativeSeparators(m_path), QString::fromLocal8Bit(zip_strerror(m_zip.get()))));
    return Pk3Entry::fromPath(QString::fromUtf8(name));
}

} // namespace fw
