#pragma once

#include "support/settings/RegistryStore.h"

#include <QStringList>

namespace fw {

// The registry as one JSON file: a tree of keys (root, branch, company, application, section)
// whose values are strings or 32-bit numbers. The file is read anew on every call and replaced
// whole on every change. A file that cannot be read (cut short, or not a store at all) reads as
// empty; the first change after that moves it aside as "<name>.corrupt" and fails, saying so,
// so it is never overwritten unseen.
class FileRegistryStore : public RegistryStore {
public:
    explicit FileRegistryStore(QString path);

    const QString& path() const { return m_path; }

    std::optional<QList<NamedRegistryValue>> values(quint32 root, const QString& keyPath) const override;
    void setValue(
        quint32 root, const QString& keyPath, const QString& name, const RegistryValue& value) override;
    void deleteKey(quint32 root, const QString& keyPath) override;

    // The tree, used by the file format code.
    struct Node {
        QString name;
        QList<NamedRegistryValue> values;
        QList<Node> children;
    };

private:
    struct Loaded {
        Node top;
        QString problem; // why an existing file could not be read; empty when it could
    };

    Loaded load() const;
    Node loadForChange();
    void save(const Node& top);
    [[noreturn]] void fail(const QString& what) const;

    QString m_path;
};

} // namespace fw
