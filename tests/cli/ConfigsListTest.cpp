#include "CliRun.h"
#include "profile/ListFiles.h"
#include "testkit/QtPrinters.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace fw;
using namespace fw::test;

using ConfigsListTest = CliFolders;

// "present" is what the server configuration executes; anything else is "missing".
TEST_F(ConfigsListTest, APathIsPresentExactlyWhenTheConfigurationExecutesIt)
{
    writeBytes(path(QStringLiteral("clan.cfg")), "seta g_motd clan\r\n");
    QDir().mkpath(path(QStringLiteral("folder.cfg")));
    const struct {
        const char* name;
        QString fullPath;
        const char* status;
    } cases[] = {
        { "clan.cfg", path(QStringLiteral("clan.cfg")), "present" },
        { "blank.cfg", QStringLiteral("   "), "missing" },
        { "gone.cfg", path(QStringLiteral("gone.cfg")), "missing" },
        { "folder.cfg", path(QStringLiteral("folder.cfg")), "missing" },
    };
    QList<AdditionalConfig> rows;
    for (const auto& c : cases)
        rows.append({ QStringLiteral("01/01/2026 10:00:00"), QStringLiteral("1"), QLatin1String(c.name),
            c.fullPath });
    ListFiles::writeConfigs(file(kConfigListFile), rows);

    const CliResult listed = run({ "configs", "list" });
    ASSERT_EQ(listed.code, 0) << listed.err.toStdString();
    const CliResult written
        = runInGame({ "config", "--name", "server", "--out", path(QStringLiteral("server.cfg")) });
    ASSERT_EQ(written.code, 0) << written.err.toStdString();
    const QByteArray configuration = readBytes(path(QStringLiteral("server.cfg")));
    ASSERT_EQ(listed.lines().size(), std::size(cases));
    for (qsizetype i = 0; i < listed.lines().size(); ++i) {
        const auto& c = cases[i];
        SCOPED_TRACE(c.name);
        const QString status = listed.lines()[i].section(QLatin1Char('\t'), -1);
        EXPECT_EQ(status, QLatin1String(c.status));
        EXPECT_EQ(configuration.contains(QByteArray("\r\nexec ") + c.name + "\r\n"), status == "present");
    }
}
