#pragma once

#include "support/settings/RegistryFileFormat.h"
#include "support/settings/RegistryStore.h"

#include <QStringList>

namespace fw {

// The registry as one JSON file: a tree of keys (root, branch, company, application, section)
// whose values are strings or 32-bit numbers. The file is read anew on every call and replaced
// whole on every change, which keeps whatever of it this version does not read. A file of an
// older version is moved forward on its first change. A file of a newer version is read as far as
// this version understands it and never written: a change fails, saying why. A file that cannot
// be read (cut short, or not a store at all) reads as empty; the first change after that moves it
// aside as "<name>.corrupt" and fails, saying so, so it is never overwritten unseen.
class FileRegistryStore : public RegistryStore {
public:
    explicit FileRegistryStore(QString path);

    const QString& path() const { return m_path; }

    std::optional<QList<NamedRegistryValue>> values(quint32 root, const QString& keyPath) const override;
    void setValue(
        quint32 root, const QString& keyPath, const QString& name, const RegistryValue& value) override;
    void deleteKey(quint32 root, const QString& keyPath) override;

private:
    RegistryFile load() const;
    RegistryFile loadForChange();
    void save(const RegistryFile& file);
    [[noreturn]] void fail(const QString& what) const;

    QString m_path;
};

} // namespace fw
