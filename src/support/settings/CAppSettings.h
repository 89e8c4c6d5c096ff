#pragma once

#include "support/settings/RegistryStore.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

namespace fw {

// The numbered errors of CAppSettings. The three operation failures carry the source
// "Fortwright.CAppSetting", the others "Fortwright.CAppSettings".
namespace AppSettingsError {
inline constexpr qint32 InvalidAppName = qint32(0x8004427Du);
inline constexpr qint32 InvalidCompanyName = qint32(0x8004427Eu);
inline constexpr qint32 InvalidMainBranch = qint32(0x8004427Fu);
inline constexpr qint32 InvalidRootKey = qint32(0x80044280u);
inline constexpr qint32 SaveFailed = qint32(0x80044281u);
inline constexpr qint32 DeleteFailed = qint32(0x80044282u);
inline constexpr qint32 GetAllKeysFailed = qint32(0x80044283u);
inline constexpr qint32 ComponentFailure = qint32(0x80044284u);
} // namespace AppSettingsError

// An opened key for QueryRegistryValue; a key that could not be opened is not open.
struct RegistryKeyHandle {
    quint32 root = 0;
    QString path;
    bool open = false;
};

// Application settings under root \ main branch \ company \ application \ section, kept in a
// RegistryStore. Reads of missing keys or values give their default and create nothing.
class CAppSettings {
public:
    explicit CAppSettings(const QString& storePath = defaultSettingsStorePath());
    ~CAppSettings();

    // The company name is checked and kept before the application name is checked.
    void Init(const QString& companyName, const QString& appName);
    QString AppName() const { return m_appName; }
    void setAppName(const QString& name);
    QString CompanyName() const { return m_companyName; }
    void setCompanyName(const QString& name);
    QString MainBranch() const { return m_mainBranch; }
    void setMainBranch(const QString& branch);
    quint32 RootKey() const { return m_rootKey; }
    // Only the current-user and local-machine roots are accepted.
    void setRootKey(quint32 root);

    // Deletes the section's key, or its subkey named key when key is not empty.
    void DeleteSetting(const QString& section, const QString& key = QString());
    // The names of the section's values; the list is emptied first.
    void GetAllKeys(const QString& section, QStringList& keys) const;
    // A string value as QString, a number as a 32-bit int; def when there is none.
    QVariant GetSetting(const QString& section, const QString& key, const QVariant& def = {}) const;
    // A text is written as a string, a Boolean as "True"/"False", a date or time as its text in
    // the system's short format; any number as a 32-bit number rounded to the nearest.
    void SaveSetting(const QString& section, const QString& key, const QVariant& value);

    // One value of any key of the store as text (a string ends with its NUL, as the system
    // hands it over); the empty text when the key or value is missing.
    QString ReadRegistryValue(quint32 root, const QString& keyPath, const QString& valueName) const;
    RegistryKeyHandle OpenRegistryKey(quint32 root, const QString& keyPath) const;
    // 0 and the value (a string with its closing NUL, or a number); otherwise a non-zero status
    // and an empty value.
    qint32 QueryRegistryValue(const RegistryKeyHandle& key, const QString& valueName, QVariant& value) const;

private:
    QString sectionPath(const QString& section) const;

    std::unique_ptr<RegistryStore> m_store;
    quint32 m_rootKey = RegistryRoot::LocalMachine;
    QString m_mainBranch = QStringLiteral("Software");
    QString m_companyName = QStringLiteral("MyCompany");
    QString m_appName = QStringLiteral("MyApplication");
};

} // namespace fw
