#include "AsAnotherUser.h"
#include "testkit/QtPrinters.h"
#include "testkit/TestContext.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace fw;
using namespace fw::test;

using UnreadableFiles = AsAnotherUser;

// A file that is there but cannot be read is neither missing nor empty: the command says why.
TEST_F(UnreadableFiles, ACommandFailsWithTheSystemsReasonAndWritesNothing)
{
    const QString clan = path(QStringLiteral("clan.ini"));
    writeBytes(clan, "[GameLimit]\r\nGameLimit0=30\r\n");
    writeBytes(file(QStringLiteral("Default.ini")), "[GameLimit]\r\nGameLimit0=30\r\n");
    writeBytes(file(QStringLiteral("Main.efr")), "maps1.pk3,bunker,bunker,bunker,ffa team round\r\n");
    for (const QString& unreadable :
        { clan, file(QStringLiteral("Default.ini")), file(QStringLiteral("Main.efr")) })
        handOver(unreadable, QFileDevice::WriteOwner);
    const auto reason = [](const QString& path) {
        return QStringLiteral("Unable to read %1: Permission denied\n").arg(QDir::toNativeSeparators(path));
    };
    const struct {
        QStringList command;
        QString err;
    } cases[] = {
        { { "profile", "show", "--profile", clan }, reason(clan) },
        { { "profile", "show" }, reason(file(QStringLiteral("Default.ini"))) },
        { { "maps" }, reason(file(QStringLiteral("Main.efr"))) },
        { { "rotation", "add", "bunker" }, reason(file(QStringLiteral("Main.efr"))) },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command.join(' ').toStdString());
        const CliResult result = run(c.command);
        EXPECT_EQ(result.code, 1);
        EXPECT_EQ(result.err, c.err);
        EXPECT_EQ(result.out, QString());
    }
    EXPECT_FALSE(QFileInfo::exists(file(QStringLiteral("Maps.dat"))));
}
