#include "support/settings/FileRegistryStore.h"

#include "support/errors/FortwrightError.h"
#include "support/files/RegularFile.h"
#include "support/files/WholeFileBatch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace fw {
namespace {

using Node = FileRegistryStore::Node;

const QString kFormat = QStringLiteral("Fortwright registry");
constexpr int kVersion = 1;

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

// Reading the file: anything out of shape makes the whole file unreadable rather than half read.
std::optional<NamedRegistryValue> valueFromJson(const QJsonValue& json)
{
    const QJsonObject object = json.toObject();
    const QJsonValue name = object.value(u"name");
    const QJsonValue text = object.value(u"string");
    const QJsonValue number = object.value(u"dword");
    if (!name.isString() || text.isUndefined() == number.isUndefined())
        return std::nullopt;
    if (text.isString())
        return NamedRegistryValue { name.toString(), RegistryValue::string(text.toString()) };
    const double n = number.toDouble(std::nan(""));
    if (!number.isDouble() || n != std::floor(n) || n < -2147483648.0 || n > 2147483647.0)
        return std::nullopt;
    return NamedRegistryValue { name.toString(), RegistryValue::dword(qint32(n)) };
}

bool nodeFromJson(const QJsonValue& json, Node& node);

bool childrenFromJson(const QJsonValue& keys, Node& parent)
{
    if (!keys.isArray())
        return false;
    for (const QJsonValue& k : keys.toArray()) {
        parent.children.append(Node {});
        if (!nodeFromJson(k, parent.children.last()))
            return false;
    }
    return true;
}

bool nodeFromJson(const QJsonValue& json, Node& node)
{
    const QJsonObject object = json.toObject();
    const QJsonValue values = object.value(u"values");
    if (!object.value(u"name").isString() || !values.isArray())
        return false;
    node.name = object.value(u"name").toString();
    for (const QJsonValue& v : values.toArray()) {
        const auto value = valueFromJson(v);
        if (!value)
            return false;
        node.values.append(*value);
    }
    return childrenFromJson(object.value(u"keys"), node);
}

QJsonObject nodeToJson(const Node& node)
{
    QJsonArray values;
    for (const NamedRegistryValue& v : node.values) {
        QJsonObject value { { QStringLiteral("name"), v.name } };
        if (v.value.type == RegistryValue::Type::String)
            value.insert(QStringLiteral("string"), v.value.text);
        else
            value.insert(QStringLiteral("dword"), v.value.number);
        values.append(value);
    }
    QJsonArray keys;
    for (const Node& child : node.children)
        keys.append(nodeToJson(child));
    return { { QStringLiteral("name"), node.name }, { QStringLiteral("values"), values },
        { QStringLiteral("keys"), keys } };
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

FileRegistryStore::Loaded FileRegistryStore::load() const
{
    Loaded loaded;
    QFile file(m_path);
    if (!file.exists())
        return loaded;
    if (!openRegularFile(file)) {
        loaded.problem = isRegularFile(m_path) ? file.errorString() : QStringLiteral("not a regular file");
        return loaded;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError) {
        loaded.problem = QStringLiteral("broken at byte %1: %2").arg(error.offset).arg(error.errorString());
        return loaded;
    }
    const QJsonObject object = document.object();
    Node top;
    if (object.value(u"format").toString() != kFormat || object.value(u"version").toInt() != kVersion
        || !childrenFromJson(object.value(u"keys"), top)) {
        loaded.problem = QStringLiteral("not a %1 file of version %2").arg(kFormat).arg(kVersion);
        return loaded;
    }
    loaded.top = std::move(top);
    return loaded;
}

FileRegistryStore::Node FileRegistryStore::loadForChange()
{
    Loaded loaded = load();
    if (loaded.problem.isEmpty())
        return std::move(loaded.top);
    const QString aside = corruptName(m_path);
    if (!QFile::rename(m_path, aside))
        fail(QStringLiteral(
            "The settings file %1 could not be read (%2) nor moved aside; it was left as it is")
                 .arg(shown(m_path), loaded.problem));
    fail(QStringLiteral(
        "The settings file %1 could not be read (%2); it was kept as %3 and a new one is started")
             .arg(shown(m_path), loaded.problem, shown(aside)));
}

void FileRegistryStore::save(const Node& top)
{
    const QJsonObject object { { QStringLiteral("format"), kFormat }, { QStringLiteral("version"), kVersion },
        { QStringLiteral("keys"), nodeToJson(top).value(u"keys") } };
    const QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Indented);
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    try {
        writeFileWhole(m_path, bytes);
    } catch (const FortwrightError& e) {
        fail(QStringLiteral("The settings file %1 could not be written (%2)")
                 .arg(shown(m_path), e.description()));
    }
}

std::optional<QList<NamedRegistryValue>> FileRegistryStore::values(quint32 root, const QString& keyPath) const
{
    const Loaded loaded = load();
    const Node* key = findKey(loaded.top, keyParts(root, keyPath));
    if (!key)
        return std::nullopt;
    return key->values;
}

void FileRegistryStore::setValue(
    quint32 root, const QString& keyPath, const QString& name, const RegistryValue& value)
{
    Node top = loadForChange();
    Node* key = &top;
    for (const QString& part : keyParts(root, keyPath)) {
        qsizetype i = childIndex(*key, part);
        if (i < 0) {
            key->children.append(Node { part, {}, {} });
            i = key->children.size() - 1;
        }
        key = &key->children[i];
    }
    auto existing = std::find_if(key->values.begin(), key->values.end(),
        [&](const NamedRegistryValue& v) { return sameName(v.name, name); });
    if (existing != key->values.end())
        existing->value = value;
    else
        key->values.append({ name, value });
    save(top);
}

void FileRegistryStore::deleteKey(quint32 root, const QString& keyPath)
{
    Node top = loadForChange();
    const QStringList parts = keyParts(root, keyPath);
    const QString shownKey = parts.join(QLatin1Char('\\'));
    Node* parent = parts.size() > 1 ? findKey(top, parts.first(parts.size() - 1)) : nullptr;
    const qsizetype i = parent ? childIndex(*parent, parts.last()) : -1;
    if (i < 0)
        fail(
            QStringLiteral("The key %1 does not exist in the settings file %2").arg(shownKey, shown(m_path)));
    if (!parent->children[i].children.isEmpty())
        fail(QStringLiteral("The key %1 still has subkeys in the settings file %2")
                 .arg(shownKey, shown(m_path)));
    parent->children.removeAt(i);
    save(top);
}

} // namespace fw
