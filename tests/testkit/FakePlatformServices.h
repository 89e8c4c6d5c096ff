#pragma once

#include "support/platform/PlatformServices.h"

#include <QList>
#include <ostream>

namespace fw::test {

struct StartedProcess {
    QString program;
    QStringList arguments;
    QString workingDir;
    bool operator==(const StartedProcess&) const = default;
};

inline void PrintTo(const StartedProcess& p, std::ostream* os)
{
    *os << p.program.toStdString() << " [" << p.arguments.join(u'|').toStdString() << "] in "
        << p.workingDir.toStdString();
}

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
