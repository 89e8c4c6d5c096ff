#pragma once

#include "support/platform/PlatformServices.h"

#include <QList>

namespace fw::test {

struct StartedProcess {
    QString program;
    QStringList arguments;
    QString workingDir;
};

// Records what the core asks of the system; nothing is started or opened.
class FakePlatformServices : public PlatformServices {
public:
    bool startDetached(const QString& program, const QStringList& arguments, const QString& workingDir,
        QString* error) override;
    bool openDocument(const QString& path) override;
    bool openUrl(const QString& url) override;
    QString computerName() const override { return hostName; }
    QString findExecutable(const QString& name) const override;

    QString hostName = QStringLiteral("localhost");
    bool failStart = false;
    QStringList executablesOnPath; // names findExecutable finds, as /usr/bin/<name>
    QList<StartedProcess> started;
    QStringList openedDocuments;
    QStringList openedUrls;
};

} // namespace fw::test
