#include "support/files/DataFolder.h"
#include "testkit/QtPrinters.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// FORTWRIGHT_HOME for one test, unset again afterwards as the test program started.
struct DataHomeVariable {
    explicit DataHomeVariable(const QString& value) { qputenv("FORTWRIGHT_HOME", value.toLocal8Bit()); }
    ~DataHomeVariable() { qunsetenv("FORTWRIGHT_HOME"); }
};

QString perUserData()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).absolutePath();
}

} // namespace

TEST(DataFolder, TheOptionThenTheVariableThenABuildTreeProgramFolder)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString buildBin = root.filePath(u"build/bin"_s);
    ASSERT_TRUE(QDir().mkpath(buildBin));
    const QString named = root.filePath(u"named"_s);
    const QString fromVariable = root.filePath(u"variable"_s);

    EXPECT_EQ(resolveDataFolder(QString(), buildBin), buildBin) << "a build tree has no share folder";
    {
        const DataHomeVariable variable(fromVariable);
        EXPECT_EQ(resolveDataFolder(QString(), buildBin), fromVariable);
        EXPECT_EQ(resolveDataFolder(named, buildBin), named);
    }
    EXPECT_TRUE(QDir(named).exists() && QDir(fromVariable).exists()) << "each chosen folder is made";
    EXPECT_EQ(resolveDataFolder(QString(), root.filePath(u"no/such/bin"_s)), perUserData())
        << "a folder that cannot be written falls back to the per-user data";
}

TEST(DataFolder, AnInstalledProgramKeepsItsDataInThePerUserFolderEvenWhenItsFolderIsWritable)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString bin = root.filePath(u"prefix/bin"_s);
    ASSERT_TRUE(QDir().mkpath(bin));
    ASSERT_TRUE(QDir().mkpath(root.filePath(u"prefix/share"_s)));

    const QString folder = resolveDataFolder(QString(), bin);
    EXPECT_EQ(folder, perUserData());
    EXPECT_TRUE(
        (folder + QLatin1Char('/')).startsWith(qEnvironmentVariable("XDG_DATA_HOME") + QLatin1Char('/')))
        << folder.toStdString();
    EXPECT_TRUE(QDir(folder).exists());
    EXPECT_TRUE(QDir(bin).isEmpty());

    const DataHomeVariable variable(root.filePath(u"chosen"_s));
    EXPECT_EQ(resolveDataFolder(QString(), bin), root.filePath(u"chosen"_s))
        << "a named folder still wins over the installed rule";
}
