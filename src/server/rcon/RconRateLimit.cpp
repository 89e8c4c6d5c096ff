#include "server/rcon/RconRateLimit.h"

#include <algorithm>

namespace fw {

namespace {

constexpr qint64 kWhole = 1000;

} // namespace

qint64 RconRateLimit::reserve(qint64 now)
{
    if (!m_started) {
        m_started = true;
        m_spare = m_burst * kWhole;
        m_at = now;
    } else if (now > m_at) {
        m_spare = std::min<qint64>(m_burst * kWhole, m_spare + (now - m_at) * kWhole / m_periodMs);
        m_at = now;
    }
    m_spare -= kWhole;
    if (m_spare >= 0)
        return now;
    // Booked ahead: it goes when the refill has covered it.
    return now + (-m_spare * m_periodMs + kWhole - 1) / kWhole;
}

} // namespace fw
