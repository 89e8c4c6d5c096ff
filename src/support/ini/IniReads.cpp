#include "support/ini/IniReads.h"

namespace fw {
namespace {

const QChar kNul(u'\0');

QString upToNul(const QString& text)
{
    const qsizetype nul = text.indexOf(kNul);
    return nul < 0 ? text : text.left(nul);
}

// Copies a value into a buffer of the given size. A value in matching quotes loses the
// opening one, and the closing one too when the buffer could hold it.
ProfileBuffer copyEntry(QString value, qint32 bufferSize)
{
    if (bufferSize <= 0)
        return {};
    value = upToNul(value);
    const bool quoted = value.size() > 1 && (value.front() == u'"' || value.front() == u'\'')
        && value.back() == value.front();
    if (quoted)
        value.remove(0, 1);
    QString copied = value.left(bufferSize - 1);
    if (quoted && bufferSize >= value.size())
        copied.chop(1);
    return { qint32(copied.size()), copied + kNul };
}

ProfileBuffer nameList(const QStringList& names, qint32 bufferSize)
{
    if (bufferSize <= 0)
        return {};
    if (bufferSize <= 2)
        return { 0, QString(bufferSize, kNul) };
    QString joined;
    for (const QString& name : names)
        joined += upToNul(name) + kNul;
    if (joined.size() < bufferSize)
        return { qint32(joined.size()), joined + kNul };
    // Too long: the last name that reaches the end is cut and two NULs close the buffer.
    return { bufferSize - 2, joined.left(bufferSize - 2) + QString(2, kNul) };
}

QString effectiveDefault(const QString& defaultText)
{
    // Trailing blanks of the default are dropped, though never its first character.
    qsizetype end = defaultText.size();
    while (end > 1 && defaultText.at(end - 1) == u' ')
        --end;
    return defaultText.left(end);
}

int digitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'z')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'Z')
        return u - u'A' + 10;
    return 99;
}

} // namespace

ProfileBuffer profileString(const IniDocument& document, const QString& section, const QString& key,
    const QString& defaultText, qint32 bufferSize)
{
    const std::optional<QString> value = document.value(section, key);
    return copyEntry(value ? *value : effectiveDefault(defaultText), bufferSize);
}

ProfileBuffer profileKeyList(
    const IniDocument& document, const QString& section, const QString& defaultText, qint32 bufferSize)
{
    const QStringList names = document.keyNames(section);
    if (names.isEmpty())
        return copyEntry(effectiveDefault(defaultText), bufferSize);
    return nameList(names, bufferSize);
}

ProfileBuffer profileSectionList(const IniDocument& document, qint32 bufferSize)
{
    return nameList(document.sectionNames(), bufferSize);
}

qint32 profileInt(
    const IniDocument& document, const QString& section, const QString& key, qint32 defaultValue)
{
    // The platform reads the text into a buffer of 30 characters first.
    const ProfileBuffer text = profileString(document, section, key, QString(), 30);
    if (text.count == 0)
        return defaultValue;
    return profileInteger(QStringView(text.buffer).left(text.count));
}

qint32 profileInteger(QStringView text)
{
    qsizetype pos = 0;
    while (pos < text.size() && text.at(pos).unicode() <= u' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text.at(pos) == u'-' || text.at(pos) == u'+'))
        negative = text.at(pos++) == u'-';
    int base = 10;
    if (pos + 1 < text.size() && text.at(pos) == u'0') {
        const QChar prefix = text.at(pos + 1);
        base = prefix == u'x' ? 16 : prefix == u'o' ? 8 : prefix == u'b' ? 2 : 10;
        if (base != 10)
            pos += 2;
    }
    quint32 result = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = digitValue(text.at(pos));
        if (digit >= base)
            break;
        result = result * quint32(base) + quint32(digit);
    }
    return qint32(negative ? 0u - result : result);
}

} // namespace fw
