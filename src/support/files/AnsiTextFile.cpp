#include "support/files/AnsiTextFile.h"

#include "support/errors/FortwrightError.h"
#include "support/files/RegularFile.h"
#include "support/files/WholeFileBatch.h"
#include "support/text/AnsiCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

QByteArray AnsiTextBuilder::bytes(LineEnd end) const
{
    const char* lineEnd = end == LineEnd::CrLf ? "\r\n" : "\n";
    QByteArray out;
    for (const QString& l : m_lines) {
        out.append(toAnsi(l));
        out.append(lineEnd);
    }
    return out;
}

void writeAnsiLines(const QString& path, const QStringList& lines)
{
    writeFileWhole(path, AnsiTextBuilder().lines(lines).bytes());
}

namespace {

QByteArray readWholeFile(const QString& path)
{
    QFile file(path);
    if (!openRegularFile(file))
        throw FortwrightError(RuntimeError::FileNotFound, kExecutableName,
            QStringLiteral("File not found: %1").arg(QDir::toNativeSeparators(path)));
    return file.readAll();
}

} // namespace

QString readAnsiFile(const QString& path)
{
    return fromAnsi(readWholeFile(path));
}

QString readUserTextFile(const QString& path)
{
    return decodeUserText(readWholeFile(path));
}

void writeUserTextLines(const QString& path, const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    writeFileWhole(path, encodeUserText(text));
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
