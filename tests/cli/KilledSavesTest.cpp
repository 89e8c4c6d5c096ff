#include "testkit/BuiltPrograms.h"
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
#include <gtest/gtest.h>

using namespace fw;
using namespace fw::test;

namespace {

// One thing the tool saves, with the two commands that take it from one state to the other.
struct Subject {
    Subject(const char* what, QString file, QStringList toSecond, QStringList toFirst)
        : what(what)
        , file(std::move(file))
        , toSecond(std::move(toSecond))
        , toFirst(std::move(toFirst))
    {
    }

    const char* what;
    QString file; // the file whose content tells the state
    QStringList toSecond;
    QStringList toFirst;
    bool second = false; // which state the files are in now
    QByteArray contentIn[2]; // the file in the first and the second state
    qint64 runNanoseconds = 0; // how long a whole run takes, to kill within it
};

// A file a save leaves beside its target until it is renamed: the target's name and six letters.
bool isTemporary(const QString& name)
{
    static const QRegularExpression kTemporary(QStringLiteral("\\.[A-Za-z0-9]{6}$"));
    return kTemporary.match(name).hasMatch();
}

struct KilledSaves : ::testing::Test {
    QTemporaryDir dir;
    QString data = dir.filePath(QStringLiteral("data"));
    QString cycles = dir.filePath(QStringLiteral("cycles"));
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
        const QString main = at(name + QStringLiteral("/Main"));
        QDir().mkpath(main);
        for (int i = 0; i < archives; ++i)
            writeZip(main + QStringLiteral("/maps%1.pk3").arg(i, 3, 10, QLatin1Char('0')),
                { QStringLiteral("maps/dm/dm%1a.bsp").arg(i), QStringLiteral("maps/obj/obj%1b.bsp").arg(i),
                    QStringLiteral("textures/t%1.jpg").arg(i) });
        return at(name);
    }

    // A data folder of its own whose rotation the cycle is written for.
    QString rotationFolder(const QString& name, int maps) const
    {
        QByteArray rows;
        for (int i = 0; i < maps; ++i)
            rows += QStringLiteral("map%1\tffa team round\tMap %1\r\n").arg(i).toLatin1();
        QDir().mkpath(at(name));
        writeBytes(at(name + QStringLiteral("/Maps.dat")), rows);
        return at(name);
    }

    QProcess* start(const QStringList& arguments) const
    {
        auto* cli = new QProcess;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("SOURCE_DATE_EPOCH"), QStringLiteral("1765000000"));
        env.insert(QStringLiteral("FORTWRIGHT_SETTINGS"), at(QStringLiteral("registry.json")));
        cli->setProcessEnvironment(env);
        cli->start(program, arguments);
        EXPECT_TRUE(cli->waitForStarted());
        return cli;
    }

    // Every file of the folders the tool writes, temporaries and the error log left out.
    QHash<QString, QByteArray> files() const
    {
        QHash<QString, QByteArray> out;
        for (const QString& folder : { data, cycles, dir.path() })
            for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files | QDir::Hidden))
                if (!isTemporary(info.fileName()) && info.fileName() != QLatin1String("Fortwright.log"))
                    out.insert(info.filePath(), readBytes(info.filePath()));
        return out;
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
        subject.contentIn[subject.second] = readBytes(subject.file);
        for (auto [path, bytes] : files().asKeyValueRange())
            versions[path].insert(bytes);
    }
};

} // namespace

TEST_F(KilledSaves, EveryFileIsItsOldOrItsNewContentWhereverTheToolIsKilled)
{
    const QString gameA = gameWithArchives(QStringLiteral("gameA"), 120);
    const QString gameB = gameWithArchives(QStringLiteral("gameB"), 80);
    const QString rotationC = rotationFolder(QStringLiteral("rotationC"), 40);
    const QString rotationD = rotationFolder(QStringLiteral("rotationD"), 25);
    const QString cycle = cycles + QStringLiteral("/mycycle.cfg");
    const QStringList withData { QStringLiteral("--data-dir"), data };
    Subject subjects[] = {
        { "profile", data + QStringLiteral("/Default.ini"),
            withData + QStringList { "profile", "set", "txtAdministration", "2", "Alpha server" },
            withData + QStringList { "profile", "set", "txtAdministration", "2", "Bravo" } },
        { "ban list", data + QStringLiteral("/Banned.dat"),
            withData + QStringList { "bans", "add", "10.0.0.9" },
            withData + QStringList { "bans", "remove", "1" } },
        { "map list", data + QStringLiteral("/Main.efr"),
            withData + QStringList { "--game-dir", gameA, "scan" },
            withData + QStringList { "--game-dir", gameB, "scan" } },
        { "map cycle", cycle, QStringList { "--data-dir", rotationC, "cycle", "--out", cycle },
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
        const QHash<QString, QByteArray> before = files();
        std::unique_ptr<QProcess> cli(start(subject.second ? subject.toFirst : subject.toSecond));
        QThread::usleep(random.bounded(quint64(subject.runNanoseconds / 1000) + 1));
        cli->kill();
        ASSERT_TRUE(cli->waitForFinished(30000));
        killedMidway += cli->exitStatus() == QProcess::CrashExit;

        const QHash<QString, QByteArray> after = files();
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
        temporariesLeft = 0;
        for (const QString& folder : { data, cycles })
            for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
                temporariesLeft += isTemporary(name);
    }
    std::printf("%d kills, %d before the tool ended, %d files changed, %d temporary files left\n", kKills,
        killedMidway, changed, temporariesLeft);
    EXPECT_GT(killedMidway, kKills / 4) << "most kills land while the tool runs";
}
