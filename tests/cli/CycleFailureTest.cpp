#include "CliRun.h"
#include "profile/ListFiles.h"
#include "testkit/QtPrinters.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace fw;
using namespace fw::test;

using CycleFailureTest = CliFolders;

// The window shows the reason as the box's title; the command line prints it after the text.
TEST_F(CycleFailureTest, AFailedCycleSaysWhy)
{
    ListFiles::writeRotation(file(kRotationListFile),
        { { QStringLiteral("obj/obj_team1"), QStringLiteral("obj"), QStringLiteral("The Hunt") } });
    const QString out = path(QStringLiteral("missing/cycle.cfg"));
    const CliResult result = run({ "cycle", "--out", out });
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err,
        QStringLiteral("Error saving file: Path not found: %1\n")
            .arg(QDir::toNativeSeparators(path(QStringLiteral("missing/1cycle.cfg")))));
}
