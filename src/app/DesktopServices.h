#pragma once

#include "support/platform/PlatformServices.h"

namespace fw {

// The system services with documents and links opened by the desktop.
class DesktopServices : public SystemPlatformServices {
public:
    bool openDocument(const QString& path) override;
    bool openUrl(const QString& url) override;
};

} // namespace fw
