#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace fw {

class CommandHistoryEdit;
class ConsoleOutputView;
class PlayerTableView;
class RconTargetBar;
class ServerStatusHeader;

// The Server Console: the supervised server's state and the time it was reached, its output as it
// comes, a command line with history, Stop, and whether a crash starts it again; beside that the
// rcon side, which reaches any server: where it talks to, the server's status and players, and an
// rcon command line whose commands and replies join the output. The window only shows and asks;
// ServerHosting ties it to the server and RconSession to rcon. It is a window of its own, so that
// it stays up while the main window is minimised, and closing it only hides it.
class FrmServerConsole : public QWidget {
    Q_OBJECT
public:
    explicit FrmServerConsole(QWidget* parent = nullptr);

    void appendOutput(const QStringList& lines);
    // A line about the supervision itself (a restart, giving up, a refused command).
    void appendNotice(const QString& text);
    // running: the server takes commands and can be stopped.
    void showState(const QString& text, bool running);
    void setRestartOnCrash(bool on);
    // Where the rcon line's commands go, as its hint names it.
    void showRconAddress(const QString& address);
    // Whether the window can be seen: shown and not minimised.
    bool isInView() const;

    ConsoleOutputView* output() const { return m_output; }
    CommandHistoryEdit* commandLine() const { return m_command; }
    CommandHistoryEdit* rconLine() const { return m_rcon; }
    RconTargetBar* rconTarget() const { return m_target; }
    ServerStatusHeader* statusHeader() const { return m_status; }
    PlayerTableView* players() const { return m_players; }

signals:
    void commandEntered(const QString& line);
    void rconEntered(const QString& line);
    void stopRequested();
    void restartOnCrashChanged(bool on);
    void inViewChanged(bool inView);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QLabel* m_state;
    QCheckBox* m_restart;
    QPushButton* m_stop;
    RconTargetBar* m_target;
    ServerStatusHeader* m_status;
    PlayerTableView* m_players;
    ConsoleOutputView* m_output;
    CommandHistoryEdit* m_command;
    QPushButton* m_send;
    CommandHistoryEdit* m_rcon;
    QPushButton* m_rconSend;
};

} // namespace fw
