#pragma once

#include <QtGlobal>

namespace fw {

// The server's limit on what one address may ask: a burst, then one request per period; more is
// dropped silently. Each reservation gets the earliest time it may go out, so a queue behind this
// never loses a command. Times are milliseconds on any steady scale.
class RconRateLimit {
public:
    explicit RconRateLimit(int burst = 10, qint64 periodMs = 1000)
        : m_burst(burst)
        , m_periodMs(periodMs)
    {
    }

    // Books one request asked for at now and returns when it may be sent (now or later).
    qint64 reserve(qint64 now);

private:
    int m_burst;
    qint64 m_periodMs;
    // Spare requests (may go below zero: booked ahead) as of m_at, in thousandths of a request.
    qint64 m_spare = 0;
    qint64 m_at = 0;
    bool m_started = false;
};

} // namespace fw
