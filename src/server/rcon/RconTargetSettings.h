#pragma once

#include "server/rcon/RconTarget.h"

#include <QString>

namespace fw {

class ServerProfile;

// Where the Server Console's rcon talks to, as the user changed it for this installation: kept in
// the settings store (section "Rcon"), never in a profile. A host or port left unset follows the
// profile, so a changed net_port still finds the server Fortwright runs.
class RconTargetSettings {
public:
    static constexpr int kDefaultRefreshSeconds = 10;

    explicit RconTargetSettings(QString storePath);

    // The profile's target with the user's changes put in.
    RconTarget targetFor(const ServerProfile& profile) const;

    // Empty: the profile's.
    QString host() const;
    void setHost(const QString& host);
    // 0: the profile's.
    quint16 port() const;
    void setPort(quint16 port);
    RconFraming framing() const;
    void setFraming(RconFraming framing);
    // How often the player table is asked for while the console is in view.
    int refreshSeconds() const;
    void setRefreshSeconds(int seconds);

private:
    QString value(const QString& key) const;
    void save(const QString& key, const QString& value);

    QString m_storePath;
};

} // namespace fw
