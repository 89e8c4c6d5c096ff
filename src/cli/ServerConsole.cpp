#include "cli/ServerConsole.h"

#include "server/hosting/HostedServer.h"
#include "support/errors/FortwrightError.h"
#include "support/platform/OperatingSystem.h"

#include <QSocketNotifier>

namespace fw::cli {

ServerConsole::ServerConsole(HostedServer& server, QTextStream& out, QTextStream& err)
    : m_server(server)
    , m_out(out)
    , m_err(err)
{
    connect(&server, &HostedServer::output, this, [this](const QStringList& lines) {
        for (const QString& line : lines)
            m_out << line << '\n';
        m_out.flush();
    });
    connect(&server, &HostedServer::statusChanged, this, [this](const HostStatus& status) {
        m_err << QStringLiteral("Server ") << statusText(status) << Qt::endl;
    });
    connect(&server, &HostedServer::notice, this, [this](const QString& text) { m_err << text << Qt::endl; });
}

ServerConsole::~ServerConsole() = default;

void ServerConsole::forwardInput()
{
    m_input = std::make_unique<QSocketNotifier>(0 /* standard input */, QSocketNotifier::Read);
    connect(m_input.get(), &QSocketNotifier::activated, this, &ServerConsole::readInput);
}

void ServerConsole::readInput()
{
    char bytes[4096];
    const qint64 n = os::readStandardInput(bytes, sizeof bytes);
    if (n <= 0) {
        m_input->setEnabled(false);
        return;
    }
    m_pending.append(bytes, n);
    for (qsizetype end; (end = m_pending.indexOf('\n')) >= 0;) {
        QByteArray line = m_pending.left(end);
        m_pending.remove(0, end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        try {
            m_server.send(QString::fromUtf8(line));
        } catch (const FortwrightError& e) {
            m_err << e.description() << Qt::endl;
        }
    }
}

} // namespace fw::cli
