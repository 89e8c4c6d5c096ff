#pragma once

#include <QString>
#include <functional>

namespace fw {

class CErrorHandler;

// A routine run under an error handler: on the handler's call stack while it lasts, and each
// statement that may fail run through statement(). The handler's answer decides: Retry runs
// the statement again, Ignore goes on after it, Abort clears the call stack and leaves the
// routine (statement throws Left, which the routine's owner catches).
class GuardedRoutine {
public:
    struct Left { };

    GuardedRoutine(CErrorHandler& handler, const QString& name);
    ~GuardedRoutine();
    GuardedRoutine(const GuardedRoutine&) = delete;
    GuardedRoutine& operator=(const GuardedRoutine&) = delete;

    void statement(const std::function<void()>& body);

private:
    CErrorHandler& m_handler;
};

} // namespace fw
