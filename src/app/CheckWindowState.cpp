#include "app/CheckWindowState.h"

#include "support/settings/CAppSettings.h"

namespace fw {
namespace {

const QString kSection = QStringLiteral("Preflight Check");
const QString kOpen = QStringLiteral("Open");

// The application's own key, as the program's other stored values use it.
struct Store {
    explicit Store(const QString& path)
        : settings(path)
    {
        settings.Init(QStringLiteral("_DezeveRovorare"), QStringLiteral("Fortwright"));
    }
    CAppSettings settings;
};

} // namespace

CheckWindowState::CheckWindowState(const QString& storePath)
    : m_storePath(storePath)
{
}

bool CheckWindowState::isOpen() const
{
    return Store(m_storePath).settings.GetSetting(kSection, kOpen, 0).toInt() == 1;
}

void CheckWindowState::setOpen(bool open)
{
    if (isOpen() != open)
        Store(m_storePath).settings.SaveSetting(kSection, kOpen, open ? 1 : 0);
}

} // namespace fw
