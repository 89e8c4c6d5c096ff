#pragma once

#include <QString>
#include <utility>

namespace fw {

// The numbered errors of CFile; their source is "Fortwright.CFile".
namespace FileError {
inline constexpr qint32 NotInitialized = qint32(0x8004440Du);
inline constexpr qint32 InvalidFileName = qint32(0x8004440Eu);
inline constexpr qint32 FileNotFound = qint32(0x8004440Fu);
inline constexpr qint32 CopyFailed = qint32(0x80044410u);
inline constexpr qint32 MoveFailed = qint32(0x80044411u);
inline constexpr qint32 DeleteFailed = qint32(0x80044412u);
inline constexpr qint32 ComponentFailure = qint32(0x80044413u);
} // namespace FileError

// Windows attribute bits, as Attributes reports them.
namespace FileAttribute {
inline constexpr quint32 ReadOnly = 0x1;
inline constexpr quint32 Hidden = 0x2;
inline constexpr quint32 Directory = 0x10;
inline constexpr quint32 Archive = 0x20;
} // namespace FileAttribute

// One file path and what can be asked of or done to that file. Every member but Init and the
// PathFileName setter refuses to work before a path is set.
class CFile {
public:
    void Init(const QString& pathFileName);

    // Read-only (no write permission for the owner), hidden (a name starting with "."), directory; a file
    // also has the archive bit, as a file copied onto Windows does.
    quint32 Attributes() const;
    // The lines of the file, each preceded by CR LF.
    QString Contents() const;
    // Replaces the file with text followed by CR LF.
    void setContents(const QString& text);
    // The last component of the path; the whole path when it has no separator.
    QString FileName() const;
    // The text after the last "." of the path.
    QString FileExt() const;
    // The path without its last component and the separator before it.
    QString FilePath() const;
    QString PathFileName() const;
    void setPathFileName(const QString& pathFileName);
    bool ReadOnly() const;
    // There are no short names here: the path itself while the file exists, else the empty text.
    QString ShortFileName() const;
    qint32 Size() const;

    // Replaces an existing target.
    void Copy(const QString& newFileName) const;
    void Delete() const;
    bool Exists() const;
    // Same length and the same bytes, compared in blocks of 16384 bytes.
    bool IdenticalWith(const QString& referenceFileName) const;
    // Refuses to replace an existing target; PathFileName keeps the old path.
    void Move(const QString& newFileName) const;

private:
    const QString& path() const;
    void requireExisting() const;
    // The trimmed source and target of a copy or move, checked.
    std::pair<QString, QString> sourceAndTarget(const QString& newFileName) const;

    QString m_path;
};

} // namespace fw
