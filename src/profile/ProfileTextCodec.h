#pragma once

#include <QString>

namespace fw {

// The empty text for an empty input; otherwise text with every occurrence of find replaced by
// replacement (case-sensitive, from the first character on).
QString IsClean(const QString& text, const QString& find, const QString& replacement);

// An administration text as a profile keeps it: a comma would end the value for some readers,
// so it becomes "%", and an empty text becomes a single blank.
QString encodeAdminText(const QString& text);
// The reverse, applied to administration and master-server values: a lone blank is empty, "%"
// turns back into ",".
QString decodeStoredText(const QString& stored);

} // namespace fw
