#include "support/settings/FileRegistryStore.h"

#include "support/errors/FortwrightError.h"
#include "support/files/RegularFile.h"
#include "support/files/WholeFileBatch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace fw {
namespace {

using Node = RegistryFileKey;

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QStringList keyParts(quint32 root, const QString& keyPath)
{
    QStringList parts = keyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    parts.prepend(registryRootName(root));
    return parts;
}

qsizetype childIndex(const Node& node, const QString& name)
{
    for (qsizetype i = 0; i < node.children.size(); ++i) {
        if (sameName(node.children[i].name, name))
            return i;
    }
    return -1;
}

template <typename N> N* findKey(N& top, const QStringList& parts)
{
    N* node = &top;
    for (const QString& part : parts) {
        const qsizetype i = childIndex(*node, part);
        if (i < 0)
            return nullptr;
        node = &node->children[i];
    }
    return node;
}

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString corruptName(const QString& path)
{
    QString name = path + QStringLiteral(".corrupt");
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = path + QStringLiteral(".corrupt") + QString::number(n);
    return name;
}

} // namespace

FileRegistryStore::FileRegistryStore(QString path)
    : m_path(std::move(path))
{
}

void FileRegistryStore::fail(const QString& what) const
{
    throw FortwrightError(RuntimeError::PathFileAccess, kExecutableName, what);
}

RegistryFile FileRegistryStore::load() const
{
    QFile file(m_path);
    if (!file.exists())
        return {};
    if (!openRegularFile(file)) {
        RegistryFile unread;
        unread.problem = isRegularFile(m_path) ? file.errorString() : QStringLiteral("not a regular file");
        return unread;
    }
    return parseRegistryFile(file.readAll());
}

RegistryFile FileRegistryStore::loadForChange()
{
    RegistryFile loaded = load();
    if (loaded.newer())
        fail(QStringLiteral(
            "The settings file %1 is of version %2, from a newer Fortwright; this one writes version %3, "
            "so it reads the file but leaves it unwritten, and the change is not kept")
                 .arg(shown(m_path))
                 .arg(loaded.version)
                 .arg(kRegistryFileVersion));
    if (loaded.problem.isEmpty())
        return loaded;
    const QString aside = corruptName(m_path);
    if (!QFile::rename(m_path, aside))
        fail(QStringLiteral(
            "The settings file %1 could not be read (%2) nor moved aside; it was left as it is")
                 .arg(shown(m_path), loaded.problem));
    fail(QStringLiteral(
        "The settings file %1 could not be read (%2); it was kept as %3 and a new one is started")
             .arg(shown(m_path), loaded.problem, shown(aside)));
}

void FileRegistryStore::save(const RegistryFile& file)
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    try {
        writeFileWhole(m_path, registryFileBytes(file));
    } catch (const FortwrightError& e) {
        fail(QStringLiteral("The settings file %1 could not be written (%2)")
                 .arg(shown(m_path), e.description()));
    }
}

std::optional<QList<NamedRegistryValue>> FileRegistryStore::values(quint32 root, const QString& keyPath) const
{
    const RegistryFile loaded = load();
    const Node* key = findKey(loaded.top, keyParts(root, keyPath));
    if (!key)
        return std::nullopt;
    QList<NamedRegistryValue> values;
    for (const RegistryFileValue& v : key->values) {
        if (v.readable)
            values.append(v.value);
    }
    return values;
}

void FileRegistryStore::setValue(
    quint32 root, const QString& keyPath, const QString& name, const RegistryValue& value)
{
    RegistryFile file = loadForChange();
    Node* key = &file.top;
    for (const QString& part : keyParts(root, keyPath)) {
        qsizetype i = childIndex(*key, part);
        if (i < 0) {
            key->children.append(Node { part, {}, {}, {} });
            i = key->children.size() - 1;
        }
        key = &key->children[i];
    }
    // A value of the same name that this version could not read is replaced too: a name holds
    // one value.
    auto existing = std::find_if(key->values.begin(), key->values.end(),
        [&](const RegistryFileValue& v) { return sameName(v.value.name, name); });
    if (existing == key->values.end())
        key->values.append({ { name, value }, true, QJsonObject() });
    else if (existing->readable)
        existing->value.value = value;
    else
        *existing = { { existing->value.name, value }, true, QJsonObject() };
    save(file);
}

void FileRegistryStore::deleteKey(quint32 root, const QString& keyPath)
{
    RegistryFile file = loadForChange();
    const QStringList parts = keyParts(root, keyPath);
    const QString shownKey = parts.join(QLatin1Char('\\'));
    Node* parent = parts.size() > 1 ? findKey(file.top, parts.first(parts.size() - 1)) : nullptr;
    const qsizetype i = parent ? childIndex(*parent, parts.last()) : -1;
    if (i < 0)
        fail(
            QStringLiteral("The key %1 does not exist in the settings file %2").arg(shownKey, shown(m_path)));
    if (!parent->children[i].children.isEmpty())
        fail(QStringLiteral("The key %1 still has subkeys in the settings file %2")
                 .arg(shownKey, shown(m_path)));
    parent->children.removeAt(i);
    save(file);
}

} // namespace fw
