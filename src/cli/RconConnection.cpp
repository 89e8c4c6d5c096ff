#include "cli/RconConnection.h"

#include "cli/CliCommand.h"
#include "cli/CliProfile.h"
#include "cli/CliSession.h"

namespace fw::cli {

namespace {

const QString kHost = QStringLiteral("host");
const QString kPort = QStringLiteral("port");
const QString kFraming = QStringLiteral("framing");

} // namespace

QList<QCommandLineOption> rconOptions()
{
    return {
        CliCommand::profileOption(),
        { kHost, QStringLiteral("The server's address (default: the profile's net_ip, else 127.0.0.1)."),
            QStringLiteral("HOST") },
        { kPort, QStringLiteral("The server's UDP port (default: the profile's net_port, else 12203)."),
            QStringLiteral("PORT") },
        { kFraming,
            QStringLiteral("mohaa (the default) or quake3, for ioquake3-family servers: whether requests "
                           "carry the 0x02 byte."),
            QStringLiteral("mohaa|quake3") },
    };
}

std::unique_ptr<RconClient> rconClientFor(CliSession& session, const QCommandLineParser& parser)
{
    const ServerProfile profile = quietWindowProfile(session, parser);
    RconTarget target = rconTargetFor(profile);
    if (parser.isSet(kHost))
        target.host = parser.value(kHost).trimmed();
    if (parser.isSet(kPort)) {
        bool ok = false;
        const uint port = parser.value(kPort).toUInt(&ok);
        if (!ok || port < 1 || port > 65535)
            CliSession::usage(
                QStringLiteral("--port takes a number from 1 to 65535, not %1").arg(parser.value(kPort)));
        target.port = quint16(port);
    }
    if (parser.isSet(kFraming)) {
        const auto framing = framingNamed(parser.value(kFraming));
        if (!framing)
            CliSession::usage(
                QStringLiteral("--framing is mohaa or quake3, not %1").arg(parser.value(kFraming)));
        target.framing = *framing;
    }
    const QString fromEnvironment = qEnvironmentVariable(kRconPasswordVariable);
    return std::make_unique<RconClient>(
        target, fromEnvironment.isEmpty() ? rconPasswordOf(profile) : fromEnvironment);
}

QString answerText(const RconReply& reply)
{
    if (!reply.ok())
        CliSession::fail(reply.message);
    return reply.text;
}

} // namespace fw::cli
