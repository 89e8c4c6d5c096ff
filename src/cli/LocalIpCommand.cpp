#include "cli/LocalIpCommand.h"

#include "cli/CliSession.h"
#include "server/LocalAddress.h"

namespace fw::cli {

QString LocalIpCommand::summary() const
{
    return QStringLiteral("print this computer's address as \"Get Local I.P\" finds it");
}

void LocalIpCommand::run(CliSession& session, const QCommandLineParser&, const QStringList&)
{
    const QString address = GetLocalAddress(session.prompter());
    // The failure's message has been printed by then.
    if (address.isEmpty())
        CliSession::fail(QString());
    session.out() << address << Qt::endl;
}

} // namespace fw::cli
