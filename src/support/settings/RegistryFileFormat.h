#pragma once

#include "support/settings/RegistryStore.h"

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

namespace fw {

// The version this program writes. Version 0 is a store from before the file carried a number
// (no "version", or 0): the same tree, so it moves forward unchanged but for the number.
inline constexpr int kRegistryFileVersion = 1;

// A value as the file holds it. One this version cannot read (another kind, a number out of
// range) is not readable, and is written back exactly as it came; a readable one keeps any other
// members of its object.
struct RegistryFileValue {
    NamedRegistryValue value;
    bool readable = true;
    QJsonValue json;
};

// A key of the file, with the members of its object this version does not know.
struct RegistryFileKey {
    QString name;
    QList<RegistryFileValue> values;
    QList<RegistryFileKey> children;
    QJsonObject json;
};

struct RegistryFile {
    RegistryFileKey top; // its children are the roots
    double version = kRegistryFileVersion; // as the file gives it, before moving forward
    QJsonObject json; // the file's object, members this version does not know included
    QString problem; // why the bytes are no store this version reads; empty when they are

    bool newer() const { return problem.isEmpty() && version > kRegistryFileVersion; }
};

// A store of a newer version is read as far as its shape is known, and marked newer.
RegistryFile parseRegistryFile(const QByteArray& bytes);
// Always the current version, keeping every member and value it did not read.
QByteArray registryFileBytes(const RegistryFile& file);

} // namespace fw
