#include "support/AnsiTextFile.h"

#include "support/AnsiCodec.h"
#include "support/FortwrightError.h"
#include "support/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace fw {

AnsiTextBuilder& AnsiTextBuilder::line(const QString& text)
{
    m_lines.append(text);
    return *this;
}

AnsiTextBuilder& AnsiTextBuilder::lines(const QStringList& texts)
{
    m_lines.append(texts);
    return *this;
}

QByteArray AnsiTextBuilder::bytes() const
{
    QByteArray out;
    for (const QString& l : m_lines) {
        out.append(toAnsi(l));
        out.append("\r\n");
    }
    return out;
}

void writeFileWhole(const QString& path, const QByteArray& bytes)
{
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        throw FortwrightError(RuntimeError::PathNotFound, kExecutableName,
            QStringLiteral("Path not found: %1").arg(QDir::toNativeSeparators(path)));
    // Always beside the target and renamed over it: a folder that allows no temporary file
    // gets an error, never a file rewritten in place. The flush is checked before the commit,
    // because a commit does not report a flush of its own that failed (a full disk): the old
    // file is kept then.
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()
        && file.error() == QFileDevice::NoError;
    const QString reason = file.errorString();
    if (!written)
        file.cancelWriting();
    if (!written || !file.commit())
        throw FortwrightError(RuntimeError::PathFileAccess, kExecutableName,
            QStringLiteral("Path/File access error: %1 (%2)")
                .arg(QDir::toNativeSeparators(path), written ? file.errorString() : reason));
}

void writeAnsiLines(const QString& path, const QStringList& lines)
{
    writeFileWhole(path, AnsiTextBuilder().lines(lines).bytes());
}

QString readAnsiFile(const QString& path)
{
    QFile file(path);
    if (!openRegularFile(file))
        throw FortwrightError(RuntimeError::FileNotFound, kExecutableName,
            QStringLiteral("File not found: %1").arg(QDir::toNativeSeparators(path)));
    return fromAnsi(file.readAll());
}

QStringList splitTextLines(const QString& text)
{
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = normalised.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace fw
