#include "CliRun.h"
#include "profile/ListFiles.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QUdpSocket>

using LinuxGameTree = test::CliFolders;

// A Linux tree: "main" in lower case and a native server, here one that notes its arguments.
TEST_F(LinuxGameTree, ScanConfigBansAndRunUseTheMainFolderThatExists)
{
    test::ensureCoreApplication();
    QDir(game).rmdir(u"Main"_s);
    ASSERT_EQ(QProcess::execute(test::builtProgram("fortwright-demo-game"), { game }), 0);
    ASSERT_TRUE(QDir(game).rename(u"Main"_s, u"main"_s));
    const QString server = game + u"/omohaaded"_s;
    // It stays up a little: Run reports a server that ends at once as a failure.
    test::writeBytes(
        server, "#!/bin/sh\nprintf '%s\\n' \"$@\" > args.tmp && mv args.tmp args.txt\nexec sleep 3\n");
    QFile::setPermissions(server, QFile::permissions(server) | QFile::ExeOwner);
    ListFiles::writeRotation(file(u"Maps.dat"_s), { { "mohdm1", "ffa team round", "" } });
    set("txtAdministration", "1", "Mixed Name");
    QUdpSocket probe; // a port nobody holds just now, since Run refuses a busy one
    ASSERT_TRUE(probe.bind(QHostAddress::AnyIPv4, 0));
    set("txtAdministration", "16", QString::number(probe.localPort()));
    probe.close();
    ASSERT_EQ(run({ "bans", "add", "10.0.0.9" }).code, 0);
    ASSERT_FALSE(HasFatalFailure());

    const QString main = game + u"/main/"_s;
    const QList<std::pair<QStringList, QStringList>> commands {
        { { "scan" }, { data + u"/Main.efr"_s } },
        { { "config" }, { main + u"mixed_name.cfg"_s, main + u"Banned.cfg"_s, main + u"autoexec.cfg"_s } },
        { { "run" }, { main + u"mixed_name.cfg"_s } },
    };
    for (const auto& [command, files] : commands) {
        for (const QString& path : files)
            QFile::remove(path);
        const test::CliResult result = runInGame(command);
        QDir::setCurrent(QDir::tempPath());
        EXPECT_EQ(result.code, 0) << result.err.toStdString();
        for (const QString& path : files)
            EXPECT_TRUE(QFile::exists(path)) << command.join(' ').toStdString() << ": " << path.toStdString();
    }
    EXPECT_TRUE(test::readBytes(data + u"/Main.efr"_s).contains("user-bridges.pk3,obj_bridges"));
    EXPECT_FALSE(QDir(game + u"/Main"_s).exists()) << "no second main folder";

    QStringList arguments;
    for (int tries = 0; tries < 50 && arguments.isEmpty(); ++tries) {
        QThread::msleep(100);
        QFile noted(game + u"/args.txt"_s);
        if (noted.open(QIODevice::ReadOnly))
            arguments = QString::fromLatin1(noted.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }
    const qsizetype exec = arguments.indexOf(u"+exec"_s);
    ASSERT_TRUE(exec >= 0 && exec + 1 < arguments.size()) << arguments.join(' ').toStdString();
    EXPECT_TRUE(QFile::exists(main + arguments[exec + 1])) << "the server opens the file Run wrote";
}
