#include "app/FrmServerConsole.h"

#include "app/CommandHistoryEdit.h"
#include "app/ConsoleOutputView.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace fw {

FrmServerConsole::FrmServerConsole(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_state(new QLabel)
    , m_restart(new QCheckBox(QStringLiteral("Restart on &crash")))
    , m_stop(new QPushButton(QStringLiteral("S&top")))
    , m_output(new ConsoleOutputView)
    , m_command(new CommandHistoryEdit)
    , m_send(new QPushButton(QStringLiteral("&Send")))
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
    m_command->setPlaceholderText(
        QStringLiteral("A console command for the server, e.g. status or say Hello"));
    m_send->setObjectName(QStringLiteral("cmdServerSend"));
    m_send->setAutoDefault(false);

    connect(m_restart, &QCheckBox::toggled, this, &FrmServerConsole::restartOnCrashChanged);
    connect(m_stop, &QPushButton::clicked, this, &FrmServerConsole::stopRequested);
    connect(m_command, &CommandHistoryEdit::commandEntered, this, &FrmServerConsole::commandEntered);
    // Send enters the line as Return does, so it joins the history the same way.
    connect(m_send, &QPushButton::clicked, m_command, &QLineEdit::returnPressed);

    auto* top = new QHBoxLayout;
    top->addWidget(m_state, 1);
    top->addWidget(m_restart);
    top->addWidget(m_stop);
    auto* commandRow = new QHBoxLayout;
    auto* prompt = new QLabel(QStringLiteral("Co&mmand:"));
    prompt->setBuddy(m_command);
    commandRow->addWidget(prompt);
    commandRow->addWidget(m_command, 1);
    commandRow->addWidget(m_send);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_output, 1);
    layout->addLayout(commandRow);
    setFocusProxy(m_command);
    resize(760, 480);
    showState(QString(), false);
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
}

void FrmServerConsole::setRestartOnCrash(bool on)
{
    const QSignalBlocker quiet(m_restart);
    m_restart->setChecked(on);
}

} // namespace fw
