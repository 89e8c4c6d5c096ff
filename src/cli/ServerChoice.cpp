#include "cli/ServerChoice.h"

#include "cli/CliSession.h"
#include "generate/LaunchLine.h"
#include "server/hosting/HostSettings.h"
#include "server/hosting/ServerProgram.h"

#include <QDir>
#include <QFileInfo>

namespace fw::cli {

QCommandLineOption serverOption()
{
    return { QStringLiteral("server"),
        QStringLiteral("The server program to start, in place of the stored choice or the one found."),
        QStringLiteral("PROGRAM") };
}

QString serverOverride(const QCommandLineParser& parser)
{
    const QString given = parser.value(serverOption().names().constFirst());
    if (given.isEmpty())
        return {};
    const QFileInfo program(given);
    if (!program.isFile() || !program.isExecutable())
        CliSession::fail(
            QStringLiteral("%1 is not an executable program").arg(QDir::toNativeSeparators(given)));
    return program.absoluteFilePath();
}

QString programChoice(CliSession& session, const QString& override)
{
    return override.isEmpty() ? HostSettings(session.context().settingsStorePath).serverProgram() : override;
}

QString programLine(CliSession& session, const QString& override)
{
    const AppContext& ctx = session.context();
    const QString choice = programChoice(session, override);
    if (ctx.gamePath.isEmpty() && choice.isEmpty())
        return QStringLiteral("program: ") + kServerProgram;
    const ServerProgram program = chooseServerProgram(ctx.gamePath, choice);
    if (program.isEmpty())
        return QStringLiteral("program: none found in %1").arg(QDir::toNativeSeparators(ctx.gamePath));
    QString line = QStringLiteral("program: ") + QDir::toNativeSeparators(program.path);
    if (program.throughWine)
        line += QStringLiteral(" (through wine)");
    else if (program.chosenByUser)
        line += QStringLiteral(" (chosen)");
    return line;
}

} // namespace fw::cli
