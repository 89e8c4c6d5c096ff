#include "testkit/BuiltPrograms.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace fw::test {

void ensureCoreApplication()
{
    static int argc = 1;
    static char name[] = "fortwright_tests";
    static char* argv[] = { name, nullptr };
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
}

QString builtProgram(const char* name)
{
    ensureCoreApplication();
    const QString bin = qEnvironmentVariable(
        "FORTWRIGHT_TEST_BIN", QCoreApplication::applicationDirPath() + QStringLiteral("/../bin"));
    const QString path = QDir(bin).filePath(QString::fromLatin1(name));
    EXPECT_TRUE(QFileInfo::exists(path)) << path.toStdString() << " is not built";
    return path;
}

} // namespace fw::test
