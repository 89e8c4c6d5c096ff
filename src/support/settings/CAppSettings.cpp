#include "support/settings/CAppSettings.h"

#include "support/errors/ComponentGuard.h"
#include "support/platform/Clock.h"
#include "support/text/NumericText.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QTime>
#include <cmath>
#include <limits>

namespace fw {
namespace {

const QString kOperationSource = FortwrightError::componentSource(QStringLiteral("CAppSetting"));
const ComponentErrors kErrors { AppSettingsError::InvalidAppName, AppSettingsError::GetAllKeysFailed,
    AppSettingsError::ComponentFailure, FortwrightError::componentSource(QStringLiteral("CAppSettings")),
    QStringLiteral("CAppSettings component failure") };

// Status codes of the registry functions.
constexpr qint32 kFileNotFound = 2;
constexpr qint32 kInvalidHandle = 6;

const QChar kNul(u'\0');

// An operation failure; the store's own explanation, naming its file, follows the fixed text.
FortwrightError operationFailed(qint32 number, const char* description, const QString& detail = QString())
{
    QString text = QString::fromLatin1(description);
    if (!detail.isEmpty())
        text += QStringLiteral(": ") + detail;
    return { number, kOperationSource, text };
}

RegistryValue registryValueOf(const QVariant& value)
{
    const QLocale locale = QLocale::system();
    switch (value.typeId()) {
    case QMetaType::QString:
        return RegistryValue::string(value.toString());
    case QMetaType::Bool:
        return RegistryValue::string(value.toBool() ? QStringLiteral("True") : QStringLiteral("False"));
    case QMetaType::QDate:
        return RegistryValue::string(locale.toString(value.toDate(), QLocale::ShortFormat));
    case QMetaType::QTime:
        return RegistryValue::string(timeText(QDateTime(QDate(2000, 1, 1), value.toTime())));
    case QMetaType::QDateTime:
        return RegistryValue::string(locale.toString(value.toDateTime().date(), QLocale::ShortFormat)
            + QLatin1Char(' ') + timeText(value.toDateTime()));
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Float:
    case QMetaType::Double: {
        const double number = value.toDouble();
        if (!std::isfinite(number) || std::fabs(number) > 4.0e9)
            break;
        const qint64 rounded = roundHalfEven(number);
        if (rounded < std::numeric_limits<qint32>::min() || rounded > std::numeric_limits<qint32>::max())
            break;
        return RegistryValue::dword(qint32(rounded));
    }
    default:
        break;
    }
    throw kErrors.failure();
}

QVariant variantOf(const RegistryValue& value)
{
    if (value.type == RegistryValue::Type::String)
        return value.text;
    return value.number;
}

std::optional<RegistryValue> findValue(
    const std::optional<QList<NamedRegistryValue>>& values, const QString& name)
{
    if (!values)
        return std::nullopt;
    for (const NamedRegistryValue& v : *values) {
        if (v.name.compare(name, Qt::CaseInsensitive) == 0)
            return v.value;
    }
    return std::nullopt;
}

} // namespace

CAppSettings::CAppSettings(const QString& storePath)
    : m_store(openRegistryStore(storePath))
{
}

CAppSettings::~CAppSettings() = default;

void CAppSettings::Init(const QString& companyName, const QString& appName)
{
    setCompanyName(companyName);
    setAppName(appName);
}

void CAppSettings::setAppName(const QString& name)
{
    if (name.isEmpty())
        throw kErrors.error(AppSettingsError::InvalidAppName, "Invalid AppName value");
    m_appName = name;
}

void CAppSettings::setCompanyName(const QString& name)
{
    if (name.isEmpty())
        throw kErrors.error(AppSettingsError::InvalidCompanyName, "Invalid CompanyName value");
    m_companyName = name;
}

void CAppSettings::setMainBranch(const QString& branch)
{
    if (branch.isEmpty())
        throw kErrors.error(AppSettingsError::InvalidMainBranch, "Invalid MainBranch value");
    m_mainBranch = branch;
}

void CAppSettings::setRootKey(quint32 root)
{
    if (root != RegistryRoot::CurrentUser && root != RegistryRoot::LocalMachine)
        throw kErrors.error(AppSettingsError::InvalidRootKey, "Invalid root key value");
    m_rootKey = root;
}

QString CAppSettings::sectionPath(const QString& section) const
{
    return QStringList { m_mainBranch, m_companyName, m_appName, section }.join(QLatin1Char('\\'));
}

void CAppSettings::DeleteSetting(const QString& section, const QString& key)
{
    kErrors.guard([&] {
        QString path = sectionPath(section);
        if (!key.isEmpty())
            path += QLatin1Char('\\') + key;
        try {
            m_store->deleteKey(m_rootKey, path);
        } catch (const FortwrightError& e) {
            throw operationFailed(
                AppSettingsError::DeleteFailed, "Failed deleting the application setting", e.description());
        }
    });
}

void CAppSettings::GetAllKeys(const QString& section, QStringList& keys) const
{
    kErrors.guard([&] {
        keys.clear();
        const auto values = m_store->values(m_rootKey, sectionPath(section));
        if (!values)
            throw operationFailed(
                AppSettingsError::GetAllKeysFailed, "Failed getting all the application keys");
        for (const NamedRegistryValue& v : *values)
            keys.append(v.name);
    });
}

QVariant CAppSettings::GetSetting(const QString& section, const QString& key, const QVariant& def) const
{
    return kErrors.guard([&] {
        const auto value = findValue(m_store->values(m_rootKey, sectionPath(section)), key);
        return value ? variantOf(*value) : def;
    });
}

void CAppSettings::SaveSetting(const QString& section, const QString& key, const QVariant& value)
{
    kErrors.guard([&] {
        const RegistryValue stored = registryValueOf(value);
        try {
            m_store->setValue(m_rootKey, sectionPath(section), key, stored);
        } catch (const FortwrightError& e) {
            throw operationFailed(
                AppSettingsError::SaveFailed, "Failed saving the application setting", e.description());
        }
    });
}

RegistryKeyHandle CAppSettings::OpenRegistryKey(quint32 root, const QString& keyPath) const
{
    return { root, keyPath, m_store->values(root, keyPath).has_value() };
}

qint32 CAppSettings::QueryRegistryValue(
    const RegistryKeyHandle& key, const QString& valueName, QVariant& value) const
{
    value = QVariant();
    if (!key.open)
        return kInvalidHandle;
    const auto found = findValue(m_store->values(key.root, key.path), valueName);
    if (!found)
        return kFileNotFound;
    value = found->type == RegistryValue::Type::String ? QVariant(found->text + kNul) : variantOf(*found);
    return 0;
}

QString CAppSettings::ReadRegistryValue(quint32 root, const QString& keyPath, const QString& valueName) const
{
    QVariant value;
    QueryRegistryValue(OpenRegistryKey(root, keyPath), valueName, value);
    return value.toString();
}

} // namespace fw
