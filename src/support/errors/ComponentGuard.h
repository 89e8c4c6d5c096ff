#pragma once

#include "support/errors/FortwrightError.h"

#include <exception>

namespace fw {

// The numbered errors of one component: its own range passes through an operation unchanged,
// anything else that escapes becomes the component's "component failure" error.
struct ComponentErrors {
    qint32 firstOwn;
    qint32 lastOwn;
    qint32 failureNumber;
    QString source;
    QString failureDescription;

    bool owns(const FortwrightError& error) const
    {
        return error.number() >= firstOwn && error.number() <= lastOwn;
    }
    FortwrightError failure() const { return { failureNumber, source, failureDescription }; }
    // One of the component's own errors.
    FortwrightError error(qint32 number, const char* description) const
    {
        return { number, source, QString::fromLatin1(description) };
    }

    template <typename Body> auto guard(Body&& body) const -> decltype(body())
    {
        try {
            return body();
        } catch (const FortwrightError& error) {
            if (owns(error))
                throw;
            throw failure();
        } catch (const std::exception&) {
            throw failure();
        }
    }
};

} // namespace fw
