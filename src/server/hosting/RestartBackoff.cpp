#include "server/hosting/RestartBackoff.h"

namespace fw {

RestartBackoff::RestartBackoff(int limit, std::chrono::milliseconds window)
    : m_limit(limit)
    , m_window(window)
{
}

int RestartBackoff::recentCount(const QDateTime& now) const
{
    int count = 0;
    for (const QDateTime& at : m_restarts)
        count += at.msecsTo(now) < m_window.count() ? 1 : 0;
    return count;
}

bool RestartBackoff::allow(const QDateTime& now)
{
    m_restarts.removeIf([&](const QDateTime& at) { return at.msecsTo(now) >= m_window.count(); });
    if (m_restarts.size() >= m_limit)
        return false;
    m_restarts.append(now);
    return true;
}

} // namespace fw
