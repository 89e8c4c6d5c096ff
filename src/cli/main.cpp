#include "cli/CliApp.h"
#include "maps/Pk3Archive.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    fw::Pk3Archive::cacheLocalTimeZone();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Fortwright"));
    QCoreApplication::setOrganizationName(QStringLiteral("_DezeveRovorare"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = fw::cli::runCli(QCoreApplication::arguments().mid(1), out, err, fw::cli::makeCommands());
    out.flush();
    err.flush();
    return code;
}
