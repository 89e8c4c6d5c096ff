#pragma once

#include <QString>
#include <QStringList>

namespace fw {

// What the core asks of the operating system beyond files: starting a process, handing a file or
// link to the desktop, and this computer's name. Tests substitute a recording fake.
class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    // Starts program without waiting for it. On failure returns false and fills error.
    virtual bool startDetached(
        const QString& program, const QStringList& arguments, const QString& workingDir, QString* error)
        = 0;
    // Opens a local file with the desktop's default application (the editor for text files).
    virtual bool openDocument(const QString& path) = 0;
    // Opens a web or mail link.
    virtual bool openUrl(const QString& url) = 0;
    virtual QString computerName() const = 0;
    // The full path of a program on the PATH, or empty.
    virtual QString findExecutable(const QString& name) const = 0;
};

// The real services through QtCore; documents and links are handed to xdg-open (or the Windows
// shell). The window replaces the two open calls with QDesktopServices.
class SystemPlatformServices : public PlatformServices {
public:
    bool startDetached(const QString& program, const QStringList& arguments, const QString& workingDir,
        QString* error) override;
    bool openDocument(const QString& path) override;
    bool openUrl(const QString& url) override;
    QString computerName() const override;
    QString findExecutable(const QString& name) const override;
};

} // namespace fw
