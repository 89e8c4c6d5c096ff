#include "app/FrmServerConsole.h"

#include "app/CommandHistoryEdit.h"
#include "app/ConsoleOutputView.h"
#include "app/PlayerTableView.h"
#include "app/RconTargetBar.h"
#include "app/ServerStatusHeader.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace fw {
namespace {

QPushButton* sendButton(const QString& name)
{
    auto* button = new QPushButton(QStringLiteral("&Send"));
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

// A command line's row: its label (the line's buddy) and the line, then its Send button.
void addCommandRow(QGridLayout& grid, const QString& label, CommandHistoryEdit* line, QPushButton* send)
{
    const int row = grid.rowCount();
    auto* prompt = new QLabel(label);
    prompt->setBuddy(line);
    grid.addWidget(prompt, row, 0);
    grid.addWidget(line, row, 1);
    grid.addWidget(send, row, 2);
    // Send enters the line as Return does, so it joins the history the same way.
    QObject::connect(send, &QPushButton::clicked, line, &QLineEdit::returnPressed);
}

} // namespace

FrmServerConsole::FrmServerConsole(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_state(new QLabel)
    , m_restart(new QCheckBox(QStringLiteral("Restart on &crash")))
    , m_stop(new QPushButton(QStringLiteral("S&top")))
    , m_target(new RconTargetBar)
    , m_status(new ServerStatusHeader)
    , m_players(new PlayerTableView)
    , m_output(new ConsoleOutputView)
    , m_command(new CommandHistoryEdit)
    , m_send(sendButton(QStringLiteral("cmdServerSend")))
    , m_rcon(new CommandHistoryEdit)
    , m_rconSend(sendButton(QStringLiteral("cmdRconSend")))
{
    setObjectName(QStringLiteral("frmServerConsole"));
    setWindowTitle(QStringLiteral("Server Console"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/fortwright.svg")));
    m_state->setObjectName(QStringLiteral("lblServerState"));
    m_state->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long state (an attached server's end) wraps rather than widening the window.
    m_state->setWordWrap(true);
    m_restart->setObjectName(QStringLiteral("chkRestartOnCrash"));
    m_restart->setToolTip(
        QStringLiteral("Start the server again when it crashes, at most 3 times in 10 minutes"));
    m_stop->setObjectName(QStringLiteral("cmdServerStop"));
    m_stop->setToolTip(QStringLiteral("Ask the server to quit; end it if it has not quit after 10 seconds"));
    m_output->setObjectName(QStringLiteral("txtServerOutput"));
    m_command->setObjectName(QStringLiteral("txtServerCommand"));
    m_rcon->setObjectName(QStringLiteral("txtRconCommand"));
    m_rcon->setToolTip(QStringLiteral("Sent over rcon with the profile's Rcon Pass; Up and Down step through "
                                      "earlier commands"));

    connect(m_restart, &QCheckBox::toggled, this, &FrmServerConsole::restartOnCrashChanged);
    connect(m_stop, &QPushButton::clicked, this, &FrmServerConsole::stopRequested);
    connect(m_command, &CommandHistoryEdit::commandEntered, this, &FrmServerConsole::commandEntered);
    connect(m_rcon, &CommandHistoryEdit::commandEntered, this, &FrmServerConsole::rconEntered);

    auto* top = new QHBoxLayout;
    top->addWidget(m_state, 1);
    top->addWidget(m_restart);
    top->addWidget(m_stop);
    // Two lines, each named for where it goes: the server's own console reaches only a server
    // Fortwright runs here, rcon any server, so neither may pass for the other.
    auto* commands = new QGridLayout;
    addCommandRow(*commands, QStringLiteral("Co&nsole:"), m_command, m_send);
    addCommandRow(*commands, QStringLiteral("&Rcon:"), m_rcon, m_rconSend);
    commands->setColumnStretch(1, 1);
    // The players take what room the output leaves them, and the user can move the line between.
    auto* split = new QSplitter(Qt::Vertical);
    split->setObjectName(QStringLiteral("splRconPlayers"));
    split->setChildrenCollapsible(false);
    split->addWidget(m_players);
    split->addWidget(m_output);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    // Above the line the server Fortwright runs here; below it rcon, which reaches any server.
    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    layout->addWidget(rule);
    layout->addWidget(m_target);
    layout->addWidget(m_status);
    layout->addWidget(split, 1);
    layout->addLayout(commands);
    setFocusProxy(m_rcon);
    resize(900, 640);
    showState(QString(), false);
    showRconAddress(QString());
}

void FrmServerConsole::appendOutput(const QStringList& lines)
{
    m_output->appendLines(lines);
}

void FrmServerConsole::appendNotice(const QString& text)
{
    m_output->appendLines({ QStringLiteral("[Fortwright] ") + text });
}

void FrmServerConsole::showState(const QString& text, bool running)
{
    m_state->setText(QStringLiteral("Server: ") + (text.isEmpty() ? QStringLiteral("not started") : text));
    m_stop->setEnabled(running);
    m_command->setEnabled(running);
    m_send->setEnabled(running);
    m_command->setPlaceholderText(running
            ? QStringLiteral("A line for the server's own console, e.g. status or say Hello")
            : QStringLiteral("The server's own console: only while a server Fortwright started is running"));
}

void FrmServerConsole::showRconAddress(const QString& address)
{
    m_rcon->setPlaceholderText(QStringLiteral("An rcon command for %1, e.g. status or say Hello")
                                   .arg(address.isEmpty() ? QStringLiteral("the server") : address));
}

bool FrmServerConsole::isInView() const
{
    return isVisible() && !isMinimized();
}

void FrmServerConsole::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    emit inViewChanged(isInView());
}

void FrmServerConsole::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    emit inViewChanged(false);
}

void FrmServerConsole::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        emit inViewChanged(isInView());
}

void FrmServerConsole::setRestartOnCrash(bool on)
{
    const QSignalBlocker quiet(m_restart);
    m_restart->setChecked(on);
}

} // namespace fw
