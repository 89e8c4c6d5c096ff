#pragma once

#include <QString>

namespace fw {

// The hosting choices of this installation, kept in the settings store (section "Hosting"),
// never in a profile.
class HostSettings {
public:
    explicit HostSettings(QString storePath);

    // The server program the user chose in place of the search; empty for "find it".
    QString serverProgram() const;
    void setServerProgram(const QString& path);

    // Whether a crashed server is started again (off unless the user turns it on).
    bool restartOnCrash() const;
    void setRestartOnCrash(bool on);

private:
    QString m_storePath;
};

} // namespace fw
