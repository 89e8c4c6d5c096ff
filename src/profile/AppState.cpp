#include "profile/AppState.h"

#include "support/settings/ApplicationStore.h"

namespace fw {
namespace {

const QString kSection = QStringLiteral("Fortwright");

} // namespace

AppState::AppState(const QString& storePath)
    : m_settings(storePath)
{
    m_settings.Init(kStoreCompanyName, kStoreApplicationName);
}

QVariant AppState::get(const QString& key, const QVariant& fallback) const
{
    return m_settings.GetSetting(kSection, key, fallback);
}

void AppState::save(const QString& key, const QVariant& value)
{
    m_settings.SaveSetting(kSection, key, value);
}

QString AppState::gameFolder() const
{
    return get(QStringLiteral("MOHAA"), QString()).toString();
}

void AppState::setGameFolder(const QString& folder)
{
    save(QStringLiteral("MOHAA"), folder);
}

QString AppState::firstTime() const
{
    return get(QStringLiteral("FirstTime"), QStringLiteral("0")).toString();
}

void AppState::setFirstTime(bool scanned)
{
    save(QStringLiteral("FirstTime"), scanned ? QStringLiteral("1") : QStringLiteral("0"));
}

qint32 AppState::left() const
{
    return get(QStringLiteral("left"), 0).toInt();
}

qint32 AppState::top() const
{
    return get(QStringLiteral("top"), 0).toInt();
}

void AppState::setWindowPosition(double left, double top)
{
    save(QStringLiteral("left"), left);
    save(QStringLiteral("top"), top);
}

} // namespace fw
