#pragma once

#include "app/PlayerActions.h"

#include <QTableWidget>

class QAction;

namespace fw {

// The players on the server: slot, name (colour codes off), score, ping and address, and a
// context menu of the actions on the chosen player. A listing without slots (getstatus) leaves
// the actions that need one disabled. Only shows and tells: RconSession sends.
class PlayerTableView : public QTableWidget {
    Q_OBJECT
public:
    explicit PlayerTableView(QWidget* parent = nullptr);

    // Keeps the chosen player chosen when the new listing still has them.
    void setPlayers(const QList<Player>& players);
    const QList<Player>& players() const { return m_players; }
    // The chosen player, or nothing.
    const Player* chosen() const;
    QAction* action(PlayerAction action) const;

signals:
    void actionRequested(fw::PlayerAction action, const fw::Player& player);

private:
    void enableActions();
    void addPlayerAction(PlayerAction action, const QString& name, const QString& text);

    QList<Player> m_players;
    QList<QAction*> m_actions; // in PlayerAction's order
};

} // namespace fw
