#pragma once

namespace fw {

// Registers the window's icons and pictures; the resources live in a static library, so they
// are registered by hand once before the first window.
void initResources();

} // namespace fw
