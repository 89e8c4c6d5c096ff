#pragma once

#include "server/MessageTimer.h"

#include <QtGlobal>
#include <algorithm>
#include <vector>

namespace fw::test {

// Message timers on a clock that moves only when the test says so: advanceTo fires every timer
// that falls due on the way, in time order, with now() set to the moment it fires.
class VirtualTimers {
public:
    qint64 now() const { return m_now; }

    MessageTimerFactory factory()
    {
        return [this] { return std::make_unique<Timer>(*this); };
    }

    void advanceTo(qint64 end)
    {
        for (;;) {
            Timer* next = nullptr;
            for (Timer* timer : m_timers)
                if (timer->active && timer->due <= end && (!next || timer->due < next->due))
                    next = timer;
            if (!next)
                break;
            m_now = next->due;
            if (next->repeating)
                next->due += next->interval;
            else
                next->active = false;
            if (next->fired)
                next->fired();
        }
        m_now = end;
    }

private:
    struct Timer : MessageTimer {
        explicit Timer(VirtualTimers& owner)
            : owner(owner)
        {
            owner.m_timers.push_back(this);
        }
        ~Timer() override { std::erase(owner.m_timers, this); }
        void start(int ms, bool repeat) override
        {
            interval = std::max(ms, 1);
            due = owner.m_now + interval;
            repeating = repeat;
            active = true;
        }
        void stop() override { active = false; }

        VirtualTimers& owner;
        qint64 due = 0;
        int interval = 1;
        bool repeating = false;
        bool active = false;
    };

    qint64 m_now = 0;
    std::vector<Timer*> m_timers;
};

} // namespace fw::test
