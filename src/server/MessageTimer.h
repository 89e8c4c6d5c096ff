#pragma once

#include <functional>
#include <memory>

namespace fw {

// A timer the messenger runs on. The program's is a precise Qt timer: a coarse one rounds an
// interval of 20 s or more to whole seconds, and the tick of 65535 ms would come every 66 s.
class MessageTimer {
public:
    virtual ~MessageTimer() = default;

    // Calls fired after ms, and every ms after that when repeating. Starting again restarts.
    virtual void start(int ms, bool repeating) = 0;
    virtual void stop() = 0;

    std::function<void()> fired;
};

using MessageTimerFactory = std::function<std::unique_ptr<MessageTimer>()>;

std::unique_ptr<MessageTimer> makePreciseMessageTimer();

} // namespace fw
