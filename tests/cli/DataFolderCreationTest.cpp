#include "CliRun.h"
#include "testkit/QtPrinters.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace fw;
using namespace fw::test;

namespace {

QStringList everythingIn(const QString& folder)
{
    QStringList found;
    QDirIterator it(
        folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(folder).relativeFilePath(it.next());
    found.sort();
    return found;
}

} // namespace

// A named data folder is made only as its last level, and only by a command that writes into it,
// so that a mistyped path fails instead of giving initial values.
TEST(DataFolderCreation, OnlyAWritingCommandMakesTheLastLevel)
{
    QTemporaryDir root;
    const QString made = root.filePath(QStringLiteral("server1"));
    const QString typo = root.filePath(QStringLiteral("srever/data"));
    const auto shown = [](const QString& path) { return QDir::toNativeSeparators(path); };
    const QString missing = QStringLiteral("The data folder %1 does not exist\n").arg(shown(made));
    const struct {
        QString dataDir;
        QStringList command;
        int code;
        QString err;
    } cases[] = {
        { made, { "profile", "show" }, 1, missing },
        { made, { "maps" }, 1, missing },
        { made, { "bans", "list" }, 1, missing },
        { made, { "rotation", "list" }, 1, missing },
        { made, { "configs", "list" }, 1, missing },
        { made, { "message", "show" }, 1, missing },
        { made, { "maplist" }, 1, missing },
        { made, { "launch-line" }, 1, missing },
        { made, { "batch", "--out", root.filePath(QStringLiteral("start.bat")) }, 1, missing },
        { made, { "profile", "set", "--help" }, 0, QString() },
        { typo, { "bans", "add", "10.0.0.1" }, 1,
            QStringLiteral("The data folder %1 cannot be created: its parent folder %2 does not exist\n")
                .arg(shown(typo), shown(root.filePath(QStringLiteral("srever")))) },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command.join(' ').toStdString());
        const CliResult result = runWithData(c.dataDir, c.command);
        EXPECT_EQ(result.code, c.code);
        EXPECT_EQ(result.err, c.err);
        EXPECT_EQ(everythingIn(root.path()), QStringList()) << "nothing is created";
    }

    const CliResult added = runWithData(made, { "bans", "add", "10.0.0.1" });
    EXPECT_EQ(added.code, 0) << added.err.toStdString();
    EXPECT_EQ(everythingIn(root.path()), QStringList({ "server1", "server1/Banned.dat" }));
}
