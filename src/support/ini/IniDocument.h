#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <optional>

namespace fw {

// One INI file held as its bytes, read the way the Windows profile functions read it: section
// and key names compared without case and without surrounding blanks, values trimmed on read and
// written as given, the first of two equal sections or keys wins, lines end at CR LF, LF or CR, and lines
// before the first section belong to none. Edits splice the bytes, so whatever they do not touch stays byte
// for byte; a line they add ends with CR LF. The text is Windows-1252, or UTF-8 behind a byte-order mark.
class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(QByteArray bytes);

    const QByteArray& bytes() const { return m_bytes; }

    // The key's value, trimmed, quotes still on; empty when the section or key is missing or the
    // key's line has no "=".
    std::optional<QString> value(const QString& section, const QString& key) const;
    // The section's key names in file order; comment lines (";") and lines without "=" are left
    // out, keys with an empty name are kept. Empty when the section is missing.
    QStringList keyNames(const QString& section) const;
    // Every section name in file order; sections with an empty name are left out.
    QStringList sectionNames() const;

    // Replaces the key's value in place, or appends the key at the end of its section, or appends
    // the section at the end of the file. The value keeps its surrounding blanks; line breaks in
    // the value and the section name become blanks, so a value can never start a line of its own.
    // False, and nothing written, when the line would not read back as this key: a name starting
    // with ";", holding "=" or a line break, starting with a "[" that the line closes, or with
    // characters the encoding cannot hold. The profile functions would write such a line and lose
    // the key, or start a new section with it and move the keys after it there.
    bool setValue(const QString& section, const QString& key, const QString& value);
    // False when there was nothing to remove.
    bool removeKey(const QString& section, const QString& key);
    bool removeSection(const QString& section);

private:
    enum class Kind { Blank, Header, Entry };
    struct Line {
        qsizetype begin = 0; // first byte
        qsizetype end = 0; // one past the last byte before the line end
        qsizetype next = 0; // first byte of the following line
        Kind kind = Kind::Blank;
        qsizetype nameBegin = 0; // the header's or key's name, trimmed
        qsizetype nameEnd = 0;
        qsizetype valueBegin = -1; // the trimmed value; -1 when the line has no "="
        qsizetype valueEnd = -1;
    };
    // Line indexes: the header, and one past the section's last line.
    struct Section {
        qsizetype header;
        qsizetype stop;
    };

    void parse();
    static Line parseLine(const QByteArray& bytes, qsizetype begin, qsizetype end, qsizetype next);
    QString decode(const QByteArray& bytes, qsizetype begin, qsizetype end) const;
    QString decode(qsizetype begin, qsizetype end) const { return decode(m_bytes, begin, end); }
    bool readsBackAs(const QByteArray& line, const QString& key) const;
    QByteArray encode(const QString& text) const;
    void index();
    std::optional<Section> findSection(const QString& name) const;
    qsizetype findKey(const Section& section, const QString& key) const;
    void splice(qsizetype begin, qsizetype end, const QByteArray& replacement);

    QByteArray m_bytes;
    QList<Line> m_lines;
    // Folded names: a section's first header, and a key's first line in its section.
    using KeyAt = QPair<qsizetype, QString>;
    QHash<QString, Section> m_sections;
    QHash<KeyAt, qsizetype> m_keys;
    bool m_utf8 = false;
};

// Blanks as the profile functions see them around names and values: space, tab, the line-end
// characters, vertical tab, form feed and the DOS end-of-file mark.
bool isIniBlank(QChar c);
QString trimIniBlanks(const QString& text);

} // namespace fw
