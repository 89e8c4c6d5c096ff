#pragma once

#include "support/ini/IniDocument.h"

#include <QString>
#include <QStringView>

namespace fw {

// What a profile read leaves in the caller's buffer: the count the call returns and the characters
// it wrote, its closing NUL (two after a listing that did not fit) included.
struct ProfileBuffer {
    qint32 count = 0;
    QString buffer;
};

// The Windows profile reads over a document, buffer size and all, so the cuts they make are the
// same here: a text longer than the buffer keeps its first (size - 1) characters, a listing that
// does not fit is cut and closed by two NULs. A value in matching quotes loses them.
ProfileBuffer profileString(const IniDocument& document, const QString& section, const QString& key,
    const QString& defaultText, qint32 bufferSize);
// Key names of a section, each followed by a NUL; the default text when there are none.
ProfileBuffer profileKeyList(
    const IniDocument& document, const QString& section, const QString& defaultText, qint32 bufferSize);
// Section names, each followed by a NUL.
ProfileBuffer profileSectionList(const IniDocument& document, qint32 bufferSize);

// The key's value read as an integer (profileInteger); the default when it is missing or empty.
qint32 profileInt(
    const IniDocument& document, const QString& section, const QString& key, qint32 defaultValue);
// Leading blanks, an optional sign, then decimal digits (or binary, octal, hexadecimal behind a
// lower-case "0b", "0o", "0x") up to the first other character; 0 without digits. The result
// wraps around in 32 bits as the platform's reading does.
qint32 profileInteger(QStringView text);

} // namespace fw
