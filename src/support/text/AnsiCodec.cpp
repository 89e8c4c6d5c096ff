#include "support/text/AnsiCodec.h"

#include <array>

namespace fw {
namespace {

// Bytes 0x80..0x9F of Windows-1252. The five undefined bytes map to the C1 control of the same
// value, as the Windows conversion functions do.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC,
    0x0081,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0x008D,
    0x017D,
    0x008F,
    0x0090,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0x009D,
    0x017E,
    0x0178,
};

int ansiByteFor(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c)
            return int(0x80 + i);
    }
    return -1;
}

} // namespace

QByteArray toAnsi(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i; // one character outside the code page, one "?"
        const int byte = ansiByteFor(c.unicode());
        out.append(byte < 0 ? '?' : char(byte));
    }
    return out;
}

QString fromAnsi(QByteArrayView bytes)
{
    // Only bytes 0x80..0x9F differ from Latin-1, whose conversion is fast on a whole buffer.
    QString out = QString::fromLatin1(bytes);
    for (QChar& c : out) {
        if (c.unicode() >= 0x80 && c.unicode() < 0xA0)
            c = QChar(kHighControls[c.unicode() - 0x80]);
    }
    return out;
}

bool isAnsiRepresentable(const QString& text)
{
    for (const QChar c : text) {
        if (ansiByteFor(c.unicode()) < 0)
            return false;
    }
    return true;
}

QByteArray encodeUserText(const QString& text)
{
    // A text starting with the mark's own three characters would read back as UTF-8.
    if (isAnsiRepresentable(text)) {
        QByteArray ansi = toAnsi(text);
        if (!ansi.startsWith(kUtf8Mark))
            return ansi;
    }
    return kUtf8Mark + text.toUtf8();
}

QString decodeUserText(const QByteArray& bytes)
{
    // The UTF-8 decoder drops one leading mark itself; dropping it first would lose a text's own.
    return bytes.startsWith(kUtf8Mark) ? QString::fromUtf8(bytes) : fromAnsi(bytes);
}

} // namespace fw
