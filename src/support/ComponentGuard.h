#pragma once

#include "support/FortwrightError.h"

#include <exception>

namespace fw {

// The numbered errors of one component: its own range passes through an operation unchanged,
// anything else that escapes becomes the component's "component failure" error.
struct ComponentErrors {
    qint32 firstOwn;
    qint32 lastOwn;
    qint32 failureNumber;
    QString failureSource;
    QString failureDescription;

    bool owns(const FortwrightError& error) const
    {
        return error.number() >= firstOwn && error.number() <= lastOwn;
    }
    FortwrightError failure() const { return { failureNumber, failureSource, failureDescription }; }

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
