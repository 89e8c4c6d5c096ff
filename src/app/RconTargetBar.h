#pragma once

#include "server/rcon/RconTarget.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace fw {

// Where the console's rcon goes (host, port, framing) and how often it asks for the players. An
// empty host or port shows the profile's value greyed and follows it. Only shows and tells:
// RconSession keeps the values.
class RconTargetBar : public QWidget {
    Q_OBJECT
public:
    explicit RconTargetBar(QWidget* parent = nullptr);

    // The values as stored: an empty host and a port of 0 follow the profile.
    void setValues(const QString& host, quint16 port, RconFraming framing, int refreshSeconds);
    // The profile's target, shown where host and port are empty.
    void setProfileTarget(const RconTarget& target);

signals:
    void hostChanged(const QString& host);
    void portChanged(quint16 port);
    void framingChanged(fw::RconFraming framing);
    void refreshSecondsChanged(int seconds);
    void refreshRequested();

private:
    QLineEdit* m_host;
    QLineEdit* m_port;
    QComboBox* m_framing;
    QSpinBox* m_refresh;
    QPushButton* m_refreshNow;
};

} // namespace fw
