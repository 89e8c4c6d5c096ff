#pragma once

#include <QWidget>

namespace fw {

class ProfileBinder;

// The "&Game" tab: movement, game options, DM flags, limits and the game type.
class GamePage : public QWidget {
    Q_OBJECT
public:
    explicit GamePage(ProfileBinder& binder, QWidget* parent = nullptr);
};

} // namespace fw
