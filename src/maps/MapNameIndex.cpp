#include "maps/MapNameIndex.h"

#include "maps/MapCatalogue.h"

#include <algorithm>

namespace fw {
namespace {

// The name folded code point by code point, as a comparison ignoring case folds it.
QString foldedName(const QString& name)
{
    if (std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 0x80; }))
        return name.toLower();
    QString folded;
    folded.reserve(name.size());
    for (const char32_t codePoint : name.toUcs4()) {
        const char32_t fold = QChar::toCaseFolded(codePoint);
        folded.append(QStringView(QChar::fromUcs4(fold)));
    }
    return folded;
}

} // namespace

MapNameIndex::MapNameIndex(const MapCatalogue& catalogue)
    : m_catalogue(catalogue)
{
    const QList<MapEntry>& entries = catalogue.entries();
    m_exact.reserve(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        // The first of equal names is the one the tree shows first.
        if (!m_exact.contains(entries[i].mapName))
            m_exact.insert(entries[i].mapName, i);
        m_folded[foldedName(entries[i].mapName)].append(i);
    }
}

const MapEntry* MapNameIndex::find(const QString& name) const
{
    const QList<MapEntry>& entries = m_catalogue.entries();
    if (const auto exact = m_exact.constFind(name); exact != m_exact.cend())
        return &entries[*exact];
    // The folded key narrows the search; the comparison itself decides.
    for (const qsizetype i : m_folded.value(foldedName(name))) {
        if (entries[i].mapName.compare(name, Qt::CaseInsensitive) == 0)
            return &entries[i];
    }
    return nullptr;
}

} // namespace fw
