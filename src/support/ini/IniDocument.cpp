#include "support/ini/IniDocument.h"

#include "support/text/AnsiCodec.h"

#include <QStringDecoder>
#include <cstring>

namespace fw {
namespace {

const QByteArray kLineEnd("\r\n");

bool isBlankByte(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == '\x1A';
}

void trimRange(const QByteArray& bytes, qsizetype& begin, qsizetype& end)
{
    while (begin < end && isBlankByte(bytes.at(begin)))
        ++begin;
    while (end > begin && isBlankByte(bytes.at(end - 1)))
        --end;
}

// A value is written as given, blanks around it included; only its line breaks become blanks.
QString singleLine(QString text)
{
    return text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

// Names are compared trimmed, so they are written trimmed.
QString singleLineName(const QString& text)
{
    return trimIniBlanks(singleLine(text));
}

// Searches stay inside the line, so reading stays linear however the lines are formed.
qsizetype lastInLine(const QByteArray& bytes, char c, qsizetype begin, qsizetype end)
{
    for (qsizetype i = end - 1; i >= begin; --i) {
        if (bytes.at(i) == c)
            return i;
    }
    return -1;
}

qsizetype firstInLine(const QByteArray& bytes, char c, qsizetype begin, qsizetype end)
{
    const char* at = static_cast<const char*>(std::memchr(bytes.constData() + begin, c, size_t(end - begin)));
    return at ? at - bytes.constData() : -1;
}

} // namespace

bool isIniBlank(QChar c)
{
    return c.unicode() < 0x80 && isBlankByte(char(c.unicode()));
}

QString trimIniBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isIniBlank(text.at(begin)))
        ++begin;
    while (end > begin && isIniBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

IniDocument::IniDocument(QByteArray bytes)
    : m_bytes(std::move(bytes))
{
    parse();
}

void IniDocument::parse()
{
    m_lines.clear();
    m_utf8 = m_bytes.startsWith(kUtf8Mark);
    qsizetype pos = m_utf8 ? kUtf8Mark.size() : 0;
    const qsizetype size = m_bytes.size();
    while (pos < size) {
        qsizetype end = pos;
        while (end < size && m_bytes.at(end) != '\r' && m_bytes.at(end) != '\n')
            ++end;
        qsizetype next = end;
        if (next < size && m_bytes.at(next) == '\r')
            ++next;
        if (next < size && m_bytes.at(next) == '\n')
            ++next;
        m_lines.append(parseLine(m_bytes, pos, end, next));
        pos = next;
    }
    index();
}

IniDocument::Line IniDocument::parseLine(
    const QByteArray& bytes, qsizetype begin, qsizetype end, qsizetype next)
{
    Line line { begin, end, next };
    qsizetype from = begin;
    qsizetype to = end;
    trimRange(bytes, from, to);
    if (from == to)
        return line;
    if (bytes.at(from) == '[') {
        const qsizetype close = lastInLine(bytes, ']', from + 1, to);
        if (close > from) {
            line.kind = Kind::Header;
            line.nameBegin = from + 1;
            line.nameEnd = close;
            trimRange(bytes, line.nameBegin, line.nameEnd);
            return line;
        }
        // A header without its "]" is an ordinary line, as the profile functions read it.
    }
    line.kind = Kind::Entry;
    const qsizetype equals = firstInLine(bytes, '=', from, to);
    line.nameBegin = from;
    line.nameEnd = equals >= 0 ? equals : to;
    trimRange(bytes, line.nameBegin, line.nameEnd);
    if (equals >= 0) {
        line.valueBegin = equals + 1;
        line.valueEnd = to;
        trimRange(bytes, line.valueBegin, line.valueEnd);
    }
    return line;
}

QString IniDocument::decode(const QByteArray& bytes, qsizetype begin, qsizetype end) const
{
    const QByteArray part = bytes.mid(begin, end - begin);
    if (!m_utf8)
        return fromAnsi(part);
    // Only the file's first bytes are its mark; further on the same bytes are a character of the
    // text, which QString::fromUtf8 would drop from the start of a name or value.
    QStringDecoder utf8(
        QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return utf8.decode(part);
}

QByteArray IniDocument::encode(const QString& text) const
{
    return m_utf8 ? text.toUtf8() : toAnsi(text);
}

std::optional<IniDocument::Section> IniDocument::findSection(const QString& name) const
{
    const auto found = m_sections.constFind(trimIniBlanks(name).toCaseFolded());
    if (found == m_sections.cend())
        return std::nullopt;
    return *found;
}

qsizetype IniDocument::findKey(const Section& section, const QString& key) const
{
    return m_keys.value({ section.header, trimIniBlanks(key).toCaseFolded() }, -1);
}

void IniDocument::index()
{
    // Lookups go through hashes built once per parse, so reading a file stays linear in its size
    // whatever it holds; the first of two equal names wins.
    m_sections.clear();
    m_keys.clear();
    qsizetype header = -1;
    const auto closeSection = [&](qsizetype stop) {
        if (header < 0)
            return;
        const Line& line = m_lines[header];
        const QString name = decode(line.nameBegin, line.nameEnd).toCaseFolded();
        if (!m_sections.contains(name))
            m_sections.insert(name, Section { header, stop });
    };
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.kind == Kind::Header) {
            closeSection(i);
            header = i;
        } else if (line.kind == Kind::Entry && header >= 0) {
            const KeyAt key { header, decode(line.nameBegin, line.nameEnd).toCaseFolded() };
            if (!m_keys.contains(key))
                m_keys.insert(key, i);
        }
    }
    closeSection(m_lines.size());
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const
{
    const auto found = findSection(section);
    if (!found)
        return std::nullopt;
    const qsizetype index = findKey(*found, key);
    if (index < 0 || m_lines[index].valueBegin < 0)
        return std::nullopt;
    return decode(m_lines[index].valueBegin, m_lines[index].valueEnd);
}

QStringList IniDocument::keyNames(const QString& section) const
{
    QStringList names;
    const auto found = findSection(section);
    if (!found)
        return names;
    for (qsizetype i = found->header + 1; i < found->stop; ++i) {
        const Line& line = m_lines[i];
        if (line.kind != Kind::Entry || line.valueBegin < 0 || m_bytes.at(line.nameBegin) == ';')
            continue;
        names.append(decode(line.nameBegin, line.nameEnd));
    }
    return names;
}

QStringList IniDocument::sectionNames() const
{
    QStringList names;
    for (const Line& line : m_lines) {
        if (line.kind == Kind::Header && line.nameEnd > line.nameBegin)
            names.append(decode(line.nameBegin, line.nameEnd));
    }
    return names;
}

bool IniDocument::readsBackAs(const QByteArray& line, const QString& key) const
{
    const Line read = parseLine(line, 0, line.size(), line.size());
    return read.kind == Kind::Entry && line.at(read.nameBegin) != ';'
        && decode(line, read.nameBegin, read.nameEnd).toCaseFolded() == trimIniBlanks(key).toCaseFolded();
}

bool IniDocument::setValue(const QString& section, const QString& key, const QString& value)
{
    const QByteArray newValue = encode(singleLine(value));
    const QByteArray newKey = encode(singleLineName(key));
    const auto found = findSection(section);
    const qsizetype index = found ? findKey(*found, key) : -1;
    // The file's own spelling of the key stays; only what follows it changes.
    const QByteArray line = index >= 0
        ? m_bytes.mid(m_lines[index].begin, m_lines[index].nameEnd - m_lines[index].begin)
        : newKey;
    if (!readsBackAs(line + '=' + newValue, key))
        return false;
    if (!found) {
        QByteArray added;
        const qsizetype textStart = m_utf8 ? kUtf8Mark.size() : 0;
        if (m_bytes.size() > textStart && !m_bytes.endsWith('\n') && !m_bytes.endsWith('\r'))
            added += kLineEnd;
        added += '[' + encode(singleLineName(section)) + ']' + kLineEnd + newKey + '=' + newValue + kLineEnd;
        splice(m_bytes.size(), m_bytes.size(), added);
        return true;
    }
    if (index >= 0) {
        splice(m_lines[index].nameEnd, m_lines[index].end, '=' + newValue);
        return true;
    }
    qsizetype last = found->stop - 1;
    while (last > found->header && m_lines[last].kind == Kind::Blank)
        --last;
    const Line& after = m_lines[last];
    const QByteArray added = newKey + '=' + newValue + kLineEnd;
    splice(after.next, after.next, after.next == after.end ? kLineEnd + added : added);
    return true;
}

bool IniDocument::removeKey(const QString& section, const QString& key)
{
    const auto found = findSection(section);
    const qsizetype index = found ? findKey(*found, key) : -1;
    if (index < 0)
        return false;
    splice(m_lines[index].begin, m_lines[index].next, {});
    return true;
}

bool IniDocument::removeSection(const QString& section)
{
    const auto found = findSection(section);
    if (!found)
        return false;
    const qsizetype end = found->stop < m_lines.size() ? m_lines[found->stop].begin : m_bytes.size();
    splice(m_lines[found->header].begin, end, {});
    return true;
}

void IniDocument::splice(qsizetype begin, qsizetype end, const QByteArray& replacement)
{
    m_bytes.replace(begin, end - begin, replacement);
    parse();
}

} // namespace fw
