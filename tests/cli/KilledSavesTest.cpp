#include "testkit/BuiltPrograms.h"
#include "testkit/FolderSnapshot.h"
#include "testkit/TestContext.h"
#include "testkit/ZipFixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>

namespace {

// One thing the tool saves, with the two commands that take it from one state to the other.
struct Subject {
    const char* what;
    QString file; // the file whose content tells the state, by its path in the test's folder
    QStringList toSecond;
    QStringList toFirst;
    bool second = false; // which state the files are in now
    QByteArray contentIn[2] {}; // the file in the first and the second state
    qint64 runNanoseconds = 0; // how long a whole run takes, to kill within it
};

// A file a save leaves beside its target until it is renamed: the target's name and six letters.
bool isTemporary(const QString& name)
{
    static const QRegularExpression kTemporary(u"\\.[A-Za-z0-9]{6}$"_s);
    return kTemporary.match(name).hasMatch();
}

struct KilledSaves : ::testing::Test {
    QTemporaryDir dir;
    QTemporaryDir games; // apart, so that watching the tool's files does not read every archive
    QString data = dir.filePath(u"data"_s);
    QString cycles = dir.filePath(u"cycles"_s);
    QString program = builtProgram("fortwright-cli");
    // Every content each file had after a run that was let finish.
    QHash<QString, QSet<QByteArray>> versions;

    KilledSaves()
    {
        QDir().mkpath(data);
        QDir().mkpath(cycles);
    }

    QString at(const QString& name) const { return dir.filePath(name); }

    // Game folders whose scans give different lists: many archives, so a scan takes a while.
    QString gameWithArchives(const QString& name, int archives) const
    {
        const QString main = games.filePath(name + u"/Main"_s);
        QDir().mkpath(main);
        for (int i = 0; i < archives; ++i)
            writeZip(main + u"/maps%1.pk3"_s.arg(i, 3, 10, QLatin1Char('0')),
                { u"maps/dm/dm%1a.bsp"_s.arg(i), u"maps/obj/obj%1b.bsp"_s.arg(i),
                    u"textures/t%1.jpg"_s.arg(i) });
        return games.filePath(name);
    }

    // A data folder of its own whose rotation the cycle is written for.
    QString rotationFolder(const QString& name, int maps) const
    {
        QByteArray rows;
        for (int i = 0; i < maps; ++i)
            rows += u"map%1\tffa team round\tMap %1\r\n"_s.arg(i).toLatin1();
        QDir().mkpath(at(name));
        writeBytes(at(name + u"/Maps.dat"_s), rows);
        return at(name);
    }

    QProcess* start(const QStringList& arguments) const
    {
        auto* cli = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"SOURCE_DATE_EPOCH"_s, u"1765000000"_s);
        env.insert(u"FORTWRIGHT_SETTINGS"_s, at(u"registry.json"_s));
        cli->setProcessEnvironment(env);
        cli->start(program, arguments);
        EXPECT_TRUE(cli->waitForStarted());
        return cli;
    }

    // Every file of the test's folder, temporaries and the error log left out.
    FolderSnapshot files() const
    {
        return snapshotFolder(
            dir.path(), [](const QString& name) { return isTemporary(name) || isErrorLog(name); });
    }

    void runWhole(Subject& subject)
    {
        QElapsedTimer timer;
        timer.start();
        std::unique_ptr<QProcess> cli(start(subject.second ? subject.toFirst : subject.toSecond));
        ASSERT_TRUE(cli->waitForFinished(30000));
        ASSERT_EQ(cli->exitCode(), 0) << subject.what << ": " << cli->readAllStandardError().toStdString();
        subject.runNanoseconds = std::max(subject.runNanoseconds, timer.nsecsElapsed());
        subject.second = !subject.second;
        subject.contentIn[subject.second] = readBytes(at(subject.file));
        for (auto [path, bytes] : files().asKeyValueRange())
            versions[path].insert(bytes);
    }
};

} // namespace

TEST_F(KilledSaves, EveryFileIsItsOldOrItsNewContentWhereverTheToolIsKilled)
{
    const QString gameA = gameWithArchives(u"gameA"_s, 120);
    const QString gameB = gameWithArchives(u"gameB"_s, 80);
    const QString rotationC = rotationFolder(u"rotationC"_s, 40);
    const QString rotationD = rotationFolder(u"rotationD"_s, 25);
    const QString cycle = cycles + u"/mycycle.cfg"_s;
    const QStringList withData { u"--data-dir"_s, data };
    Subject subjects[] = {
        { "profile", u"data/Default.ini"_s,
            withData + QStringList { "profile", "set", "txtAdministration", "2", "Alpha server" },
            withData + QStringList { "profile", "set", "txtAdministration", "2", "Bravo" } },
        { "ban list", u"data/Banned.dat"_s, withData + QStringList { "bans", "add", "10.0.0.9" },
            withData + QStringList { "bans", "remove", "1" } },
        { "map list", u"data/Main.efr"_s, withData + QStringList { "--game-dir", gameA, "scan" },
            withData + QStringList { "--game-dir", gameB, "scan" } },
        { "map cycle", u"cycles/mycycle.cfg"_s,
            QStringList { "--data-dir", rotationC, "cycle", "--out", cycle },
            QStringList { "--data-dir", rotationD, "cycle", "--out", cycle } },
    };
    // Each way once, so that every content a finished run leaves is known.
    for (Subject& subject : subjects) {
        runWhole(subject);
        runWhole(subject);
    }
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_GE(versions.size(), 4);

    constexpr int kKills = 200;
    int killedMidway = 0;
    int changed = 0;
    int temporariesLeft = 0;
    QRandomGenerator random(20261206);
    for (int kill = 0; kill < kKills; ++kill) {
        Subject& subject = subjects[kill % std::size(subjects)];
        const FolderSnapshot before = files();
        std::unique_ptr<QProcess> cli(start(subject.second ? subject.toFirst : subject.toSecond));
        QThread::usleep(random.bounded(quint64(subject.runNanoseconds / 1000) + 1));
        cli->kill();
        ASSERT_TRUE(cli->waitForFinished(30000));
        killedMidway += cli->exitStatus() == QProcess::CrashExit;

        const FolderSnapshot after = files();
        for (auto [path, bytes] : after.asKeyValueRange()) {
            ASSERT_TRUE(versions.value(path).contains(bytes))
                << subject.what << ", kill " << kill << ": " << path.toStdString() << " holds "
                << bytes.size() << " bytes that no finished run wrote";
            changed += before.value(path) != bytes;
        }
        for (const QString& path : before.keys())
            ASSERT_TRUE(after.contains(path)) << subject.what << ": " << path.toStdString() << " is gone";
        // The state the subject's own file is in decides which command comes next.
        const QByteArray own = after.value(subject.file);
        ASSERT_TRUE(own == subject.contentIn[0] || own == subject.contentIn[1]) << subject.what;
        subject.second = own == subject.contentIn[1];
        temporariesLeft
            = snapshotFolder(dir.path(), [](const QString& name) { return !isTemporary(name); }).size();
    }
    std::printf("%d kills, %d before the tool ended, %d files changed, %d temporary files left\n", kKills,
        killedMidway, changed, temporariesLeft);
    EXPECT_GT(killedMidway, kKills / 4) << "most kills land while the tool runs";
}
