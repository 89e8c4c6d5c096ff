#include "support/errors/GuardedRoutine.h"

#include "support/errors/CErrorHandler.h"

namespace fw {

GuardedRoutine::GuardedRoutine(CErrorHandler& handler, const QString& name)
    : m_handler(handler)
{
    m_handler.CallStackPush(name);
}

GuardedRoutine::~GuardedRoutine()
{
    // A cleared stack (after Abort) has nothing left to pop, so no exit is traced.
    try {
        m_handler.CallStackPop();
    } catch (...) {
        // Leaving must not fail; the trace line is lost at worst.
    }
}

void GuardedRoutine::statement(const std::function<void()>& body)
{
    for (;;) {
        try {
            body();
            return;
        } catch (const std::exception& e) {
            switch (m_handler.HandleError(FortwrightError::fromStd(e))) {
            case ErrorContinuation::Retry:
                continue;
            case ErrorContinuation::Next:
                return;
            default:
                m_handler.CallStackClear();
                throw Left {};
            }
        }
    }
}

} // namespace fw
