#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace fw {

class CommandHistoryEdit;
class ConsoleOutputView;

// The Server Console: the supervised server's state and the time it was reached, its output as it
// comes, a command line with history, Stop, and whether a crash starts it again. The window only
// shows and asks; ServerHosting ties it to the server. It is a window of its own, so that it stays
// up while the main window is minimised, and closing it only hides it.
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

    ConsoleOutputView* output() const { return m_output; }
    CommandHistoryEdit* commandLine() const { return m_command; }

signals:
    void commandEntered(const QString& line);
    void stopRequested();
    void restartOnCrashChanged(bool on);

private:
    QLabel* m_state;
    QCheckBox* m_restart;
    QPushButton* m_stop;
    ConsoleOutputView* m_output;
    CommandHistoryEdit* m_command;
    QPushButton* m_send;
};

} // namespace fw
