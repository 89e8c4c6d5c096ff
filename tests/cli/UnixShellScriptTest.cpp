#include "CliRun.h"
#include "testkit/TestContext.h"
#include "testkit/TestData.h"

#include <QDir>
#include <QFile>
#include <QProcess>

using UnixShellScript = test::CliFolders;

// The script runs as it is under sh: it goes to a game folder with a blank in its name and starts
// the native server found there (a stand-in that notes where it ran and what it was given), with a
// configuration name holding a blank as one argument.
TEST_F(UnixShellScript, StartsTheNativeServerInTheGameFolderWithOneWordPerArgument)
{
    const QString spaced = path(u"my game"_s);
    QDir().mkpath(spaced + u"/main"_s);
    const QString server = spaced + u"/omohaaded"_s;
    test::writeBytes(server, "#!/bin/sh\n{ pwd; printf '%s\\n' \"$@\"; } > started.txt\n");
    QFile::setPermissions(server, QFile::permissions(server) | QFile::ExeOwner);
    set("txtAdministration", "1", "fw test");
    ASSERT_FALSE(HasFatalFailure());

    const QString script = path(u"start server.sh"_s);
    const test::CliResult written = test::runTool(
        { u"--data-dir"_s, data, u"--game-dir"_s, spaced, u"shell"_s, u"--unix"_s, u"--out"_s, script });
    ASSERT_EQ(written.code, 0) << written.err.toStdString();
    const QByteArray text = test::readBytes(script);
    EXPECT_FALSE(text.contains('\r'));
    EXPECT_EQ(QFile::permissions(script) & 0x7077, // owner rwx, group and others r-x (not the user's view)
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
            | QFile::ReadOther | QFile::ExeOther);

    QProcess sh;
    sh.setWorkingDirectory(dir.path());
    sh.start(u"sh"_s, { script });
    ASSERT_TRUE(sh.waitForFinished(10000));
    EXPECT_EQ(sh.exitCode(), 0) << sh.readAllStandardError().toStdString();
    const QStringList started = QString::fromLocal8Bit(test::readBytes(spaced + u"/started.txt"_s))
                                    .split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(started,
        (QStringList { QDir(spaced).canonicalPath() }
            + QString::fromUtf8(testData(u"unix-script-arguments.txt"_s)).split(u'\n', Qt::SkipEmptyParts)));
}
