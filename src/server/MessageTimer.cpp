#include "server/MessageTimer.h"

#include <QTimer>

namespace fw {
namespace {

class PreciseMessageTimer : public MessageTimer {
public:
    PreciseMessageTimer()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (fired)
                fired();
        });
    }
    void start(int ms, bool repeating) override
    {
        m_timer.setSingleShot(!repeating);
        m_timer.start(ms);
    }
    void stop() override { m_timer.stop(); }

private:
    QTimer m_timer;
};

} // namespace

std::unique_ptr<MessageTimer> makePreciseMessageTimer()
{
    return std::make_unique<PreciseMessageTimer>();
}

} // namespace fw
