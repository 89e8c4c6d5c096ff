// Bytes as the settings store: a file it cannot read reads as empty and is moved aside, never
// overwritten, by the first change; a file of a newer version is read and never written; a file it
// can read keeps every value through a change, and the members it does not read, and is written
// as the current version.
#include "FuzzKit.h"
#include "support/errors/FortwrightError.h"
#include "support/settings/FileRegistryStore.h"
#include "support/settings/RegistryFileFormat.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

using namespace fw;

namespace {

struct KeyAt {
    quint32 root;
    QString path;
};

const quint32 kRoots[] = { RegistryRoot::ClassesRoot, RegistryRoot::CurrentUser, RegistryRoot::LocalMachine,
    RegistryRoot::Users };

// The key paths the file names, found the plain way, so that the store's answers for them can be
// compared before and after a change. Names a path cannot spell (empty, or holding "\") are left out.
void collect(const QJsonArray& keys, quint32 root, const QString& above, int depth, QList<KeyAt>& out)
{
    if (depth > 8)
        return;
    for (const QJsonValue& key : keys) {
        const QString name = key.toObject().value(u"name").toString();
        if (name.isEmpty() || name.contains(QLatin1Char('\\')))
            continue;
        const QString path = above.isEmpty() ? name : above + QLatin1Char('\\') + name;
        out.append({ root, path });
        collect(key.toObject().value(u"keys").toArray(), root, path, depth + 1, out);
    }
}

QList<KeyAt> keysNamedIn(const QByteArray& bytes)
{
    QList<KeyAt> keys;
    for (const QJsonValue& top : QJsonDocument::fromJson(bytes).object().value(u"keys").toArray())
        for (quint32 root : kRoots)
            if (top.toObject().value(u"name").toString().compare(registryRootName(root), Qt::CaseInsensitive)
                == 0)
                collect(top.toObject().value(u"keys").toArray(), root, QString(), 0, keys);
    return keys;
}

bool sameValues(
    const std::optional<QList<NamedRegistryValue>>& a, const std::optional<QList<NamedRegistryValue>>& b)
{
    if (a.has_value() != b.has_value() || (a && a->size() != b->size()))
        return false;
    for (qsizetype i = 0; a && i < a->size(); ++i)
        if ((*a)[i].name != (*b)[i].name || !((*a)[i].value == (*b)[i].value))
            return false;
    return true;
}

// A store the program can tell is newer: its kind of file, of a whole version above its own.
bool newerStore(const QJsonObject& file)
{
    const double version = file.value(u"version").toDouble(-1);
    return file.value(u"format").toString() == QLatin1String("Fortwright registry")
        && version > kRegistryFileVersion && std::isfinite(version) && version == std::floor(version);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Session& session = fuzz::Session::instance();
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QString path = session.put(QStringLiteral("registry.json"), bytes);
    QFile::remove(path + QStringLiteral(".corrupt"));
    FileRegistryStore store(path);

    const QList<KeyAt> keys = keysNamedIn(bytes);
    QList<std::optional<QList<NamedRegistryValue>>> before;
    for (const KeyAt& key : keys)
        before.append(store.values(key.root, key.path));

    const QJsonObject file = QJsonDocument::fromJson(bytes).object();
    const bool newer = newerStore(file);
    const QString probeKey = QStringLiteral("Software\\Fortwright\\Probe");
    try {
        store.setValue(RegistryRoot::CurrentUser, probeKey, QStringLiteral("probe"), RegistryValue::dword(7));
    } catch (const FortwrightError&) {
        if (newer) {
            fuzz::check(contents(path) == bytes, "a newer store is never written");
            fuzz::check(!QFile::exists(path + QStringLiteral(".corrupt")), "nor moved aside");
            for (qsizetype i = 0; i < keys.size(); ++i)
                fuzz::check(sameValues(store.values(keys[i].root, keys[i].path), before[i]),
                    "a newer store reads the same after a refused change", keys[i].path);
            return 0;
        }
        QFile aside(path + QStringLiteral(".corrupt"));
        fuzz::check(aside.open(QIODevice::ReadOnly) && aside.readAll() == bytes,
            "an unreadable store is kept aside byte for byte");
        fuzz::check(!QFile::exists(path), "and nothing is written in its place");
        for (qsizetype i = 0; i < keys.size(); ++i)
            fuzz::check(!before[i].has_value(), "an unreadable store reads as empty", keys[i].path);
        return 0;
    }
    const auto probe = store.values(RegistryRoot::CurrentUser, probeKey);
    fuzz::check(probe
            && std::any_of(probe->cbegin(), probe->cend(),
                [](const NamedRegistryValue& v) {
                    return v.name.compare(QStringLiteral("probe"), Qt::CaseInsensitive) == 0
                        && v.value == RegistryValue::dword(7);
                }),
        "the value just set reads back");
    fuzz::check(!newer, "a newer store refuses a change");
    const QJsonObject written = QJsonDocument::fromJson(contents(path)).object();
    fuzz::check(
        written.value(u"version") == QJsonValue(kRegistryFileVersion), "a change writes the current version");
    for (auto member = file.begin(); member != file.end(); ++member)
        if (member.key() != QLatin1String("format") && member.key() != QLatin1String("version")
            && member.key() != QLatin1String("keys"))
            fuzz::check(written.value(member.key()) == member.value(), "a change keeps what it does not read",
                member.key());
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (keys[i].root == RegistryRoot::CurrentUser
            && probeKey.startsWith(keys[i].path, Qt::CaseInsensitive))
            continue; // on the probe's way: it may have gained the probe
        fuzz::check(sameValues(store.values(keys[i].root, keys[i].path), before[i]),
            "a change keeps every other value", keys[i].path);
    }
    return 0;
}
