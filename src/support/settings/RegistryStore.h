#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <optional>

namespace fw {

// The registry roots by their Windows numbers.
namespace RegistryRoot {
inline constexpr quint32 ClassesRoot = 0x80000000u;
inline constexpr quint32 CurrentUser = 0x80000001u;
inline constexpr quint32 LocalMachine = 0x80000002u;
inline constexpr quint32 Users = 0x80000003u;
} // namespace RegistryRoot
// "HKEY_LOCAL_MACHINE" and the like; the number in hexadecimal for a root without a name.
QString registryRootName(quint32 root);

// A registry value of one of the two kinds the program stores: a string or a 32-bit number.
struct RegistryValue {
    enum class Type { String, Number };
    Type type = Type::String;
    QString text;
    qint32 number = 0;

    static RegistryValue string(QString text) { return { Type::String, std::move(text), 0 }; }
    static RegistryValue dword(qint32 number) { return { Type::Number, QString(), number }; }
    bool operator==(const RegistryValue&) const = default;
};

struct NamedRegistryValue {
    QString name;
    RegistryValue value;
};

// Keys below a root, each with its values in the order they were first written; key and value
// names are compared without case. Nothing is held open between calls.
class RegistryStore {
public:
    virtual ~RegistryStore() = default;

    // The key's values; empty when the key does not exist (or the store cannot be read).
    virtual std::optional<QList<NamedRegistryValue>> values(quint32 root, const QString& keyPath) const = 0;
    // Writes or replaces one value, creating the key and those above it. Throws a FortwrightError
    // whose description says what went wrong and names the store.
    virtual void setValue(
        quint32 root, const QString& keyPath, const QString& name, const RegistryValue& value)
        = 0;
    // Deletes a key that has no subkeys; throws as setValue does, also when the key is missing.
    virtual void deleteKey(quint32 root, const QString& keyPath) = 0;
};

// The store behind the settings: the typed file store at storePath.
std::unique_ptr<RegistryStore> openRegistryStore(const QString& storePath);
// The per-user configuration folder's "registry.json".
QString defaultSettingsStorePath();

} // namespace fw
