#pragma once

#include <QString>
#include <QStringList>

namespace fw {

enum class LineEnd { CrLf, Lf };

// Composes a text file line by line; every line, blank ones included, ends with CR LF (or LF for
// the files a Unix shell reads).
class AnsiTextBuilder {
public:
    AnsiTextBuilder& line(const QString& text = {});
    AnsiTextBuilder& lines(const QStringList& texts);
    QByteArray bytes(LineEnd end = LineEnd::CrLf) const;

private:
    QStringList m_lines;
};

// Writes the lines whole (see WholeFileBatch). Throws FortwrightError (75 or 76) when the file
// cannot be written.
void writeAnsiLines(const QString& path, const QStringList& lines);

// Reads a whole file as Windows-1252 text. Throws FortwrightError (53) when it cannot be read.
QString readAnsiFile(const QString& path);
// The same for a file that holds what a user typed (see encodeUserText), and its writer.
QString readUserTextFile(const QString& path);
void writeUserTextLines(const QString& path, const QStringList& lines);
// Splits text at CR LF, LF or CR line ends; a final line end gives no extra empty line.
QStringList splitTextLines(const QString& text);

} // namespace fw
