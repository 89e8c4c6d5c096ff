#pragma once

#include <QDateTime>
#include <QList>
#include <chrono>

namespace fw {

// At most `limit` restarts within any `window`: older restarts no longer count.
class RestartBackoff {
public:
    RestartBackoff(int limit, std::chrono::milliseconds window);

    // Records a restart at now and says yes, or says no when the limit is reached.
    bool allow(const QDateTime& now);
    int recentCount(const QDateTime& now) const;
    int limit() const { return m_limit; }
    std::chrono::milliseconds window() const { return m_window; }

private:
    int m_limit;
    std::chrono::milliseconds m_window;
    QList<QDateTime> m_restarts;
};

} // namespace fw
