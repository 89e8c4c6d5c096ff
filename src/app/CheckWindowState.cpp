#include "app/CheckWindowState.h"

#include "support/settings/ApplicationStore.h"

namespace fw {
namespace {

const QString kSection = QStringLiteral("Preflight Check");
const QString kOpen = QStringLiteral("Open");

} // namespace

CheckWindowState::CheckWindowState(const QString& storePath)
    : m_storePath(storePath)
{
}

bool CheckWindowState::isOpen() const
{
    return ApplicationStore(m_storePath).settings.GetSetting(kSection, kOpen, 0).toInt() == 1;
}

void CheckWindowState::setOpen(bool open)
{
    if (isOpen() != open)
        ApplicationStore(m_storePath).settings.SaveSetting(kSection, kOpen, open ? 1 : 0);
}

} // namespace fw
