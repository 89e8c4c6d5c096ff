#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace fw {

// One player as the server lists it. A field the listing lacks stays empty (slot -1).
struct Player {
    int slot = -1;
    QString score;
    // A number of milliseconds, or CNCT (connecting) or ZMBI (just left).
    QString ping;
    // As the server has it, colour codes (^N) included.
    QString name;
    QString address;
    QString rate;

    friend bool operator==(const Player&, const Player&) = default;
};

// The name without its colour codes, as players see it.
QString plainName(const QString& name);

// What getstatus gives: the server's variables in their order, then the players (no slots).
struct ServerStatus {
    QList<QPair<QString, QString>> variables;
    QList<Player> players;

    QString variable(const QString& key) const;
};

// What rcon status gives: the map and the player table.
struct PlayerTable {
    QString map;
    QList<Player> players;
};

} // namespace fw
