// Bytes as an INI file: reading must stay linear and in bounds, and what it reads must survive
// being written back, both into the same document and into a new one. A key is written only where
// it reads back as itself: every key the engine reads is one, and any other is refused untouched.
#include "FuzzKit.h"
#include "support/ini/IniDocument.h"

#include <QList>

using namespace fw;

namespace {

struct Entry {
    QString section;
    QString key;
    QString value;
};

// Every value a reader can reach, in file order; the first of equal names stands for them all.
QList<Entry> readable(const IniDocument& document)
{
    QList<Entry> entries;
    for (const QString& section : document.sectionNames())
        for (const QString& key : document.keyNames(section))
            if (const auto value = document.value(section, key))
                entries.append({ section, key, *value });
    return entries;
}

void requireSameValues(const IniDocument& written, const QList<Entry>& entries, const char* what)
{
    for (const Entry& entry : entries) {
        const auto value = written.value(entry.section, entry.key);
        fuzz::check(value == entry.value, what,
            QStringLiteral("[%1] %2 = '%3' read back as '%4'")
                .arg(entry.section, entry.key, entry.value, value.value_or(QStringLiteral("<missing>"))));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const IniDocument document(bytes);
    const QList<Entry> entries = readable(document);

    // Writing a value as it was read changes no value; a line keeps the file's spelling of its key
    // but is written as key=value, so doing it a second time changes no byte either.
    IniDocument same(bytes);
    for (const Entry& entry : entries)
        fuzz::check(same.setValue(entry.section, entry.key, entry.value), "a key read is a key written",
            QStringLiteral("[%1] %2").arg(entry.section, entry.key));
    requireSameValues(same, entries, "a value rewritten in place");
    const QByteArray rewritten = same.bytes();
    for (const Entry& entry : entries)
        same.setValue(entry.section, entry.key, entry.value);
    fuzz::check(same.bytes() == rewritten, "a second rewrite changes no byte");

    // Written key by key into a new document of the same encoding, every value reads back.
    IniDocument fresh(bytes.startsWith("\xEF\xBB\xBF") ? QByteArray("\xEF\xBB\xBF") : QByteArray());
    for (const Entry& entry : entries)
        fresh.setValue(entry.section, entry.key, entry.value);
    requireSameValues(IniDocument(fresh.bytes()), entries, "a value written into a new file");

    // The values, as the input spells them, make keys of every shape: each is written as itself
    // or refused with no byte changed.
    IniDocument crossed(bytes);
    for (const Entry& entry : entries) {
        const QByteArray before = crossed.bytes();
        if (crossed.setValue(entry.section, entry.value, entry.key))
            fuzz::check(crossed.value(entry.section, entry.value) == entry.key, "a key written reads back",
                QStringLiteral("[%1] %2").arg(entry.section, entry.value));
        else
            fuzz::check(crossed.bytes() == before, "a refused key changes no byte");
    }

    // Removing what was read leaves nothing readable under those names.
    IniDocument emptied(bytes);
    for (const QString& section : document.sectionNames())
        emptied.removeSection(section);
    fuzz::check(emptied.sectionNames().isEmpty(), "every section removed");
    return 0;
}
