#include "GenerateFixture.h"
#include "generate/AdvancedCycleWriter.h"
#include "profile/AdvancedCycle.h"

#include <QFile>

namespace {

// The wizard's values for obj_team1 (Objective) and mohdm1 (Free for All).
AdvancedCycle twoMapCycle()
{
    AdvancedCycle cycle;
    cycle.LastIndex = u"1"_s;
    cycle.MapNames = { "obj_team1", "mohdm1" };
    cycle.GameTypes = { "g_gametype 4", "g_gametype 1" };
    cycle.FragLimits = { "fraglimit 0", "fraglimit 30" };
    cycle.TimeLimits = { "timelimit 20", "timelimit 15" };
    cycle.CaptureLimits = { "capturelimit 0", "capturelimit 8" };
    cycle.QuadFactors = { "g_quadfactor 3", "g_quadfactor 4" };
    cycle.Knockbacks = { "g_knockback 1000", "g_knockback 1200" };
    cycle.WeaponRespawns = { "g_weaponrespawn 5", "g_weaponrespawn 6" };
    cycle.Speeds = { "g_speed 250", "g_speed 320" };
    cycle.Gravities = { "g_gravity 800", "g_gravity 600" };
    cycle.DMFlagSums = { "dmflags 0", "dmflags 40" };
    return cycle;
}

class MapCycle : public GenerateFixture {
protected:
    QString cyclePath(const QString& name = u"mycycle.cfg"_s)
    {
        return t.context.mainPath + QLatin1Char('/') + name;
    }
};

} // namespace

TEST_F(MapCycle, TwoMapCycleWritesMainAndPerMapFiles)
{
    ASSERT_TRUE(gbln_MakeAdvancedCycle(cyclePath(), twoMapCycle(), t.context));
    const QByteArray main = expectedData(u"mycycle.cfg.expected"_s);
    EXPECT_EQ(readBytes(cyclePath()), main);
    EXPECT_EQ(readBytes(t.dataFile(u"tempcfg.cfg"_s)), main) << "the scratch file stays";
    for (const char* perMap : { "1mycycle.cfg", "2mycycle.cfg" })
        EXPECT_EQ(readBytes(cyclePath(QString::fromLatin1(perMap))),
            expectedData(QString::fromLatin1(perMap) + u".expected"_s));
    EXPECT_TRUE(t.prompter.boxes().isEmpty());
}

TEST_F(MapCycle, SavingASmallerCycleAgainOverwritesAndKeepsOldPerMapFiles)
{
    ASSERT_TRUE(gbln_MakeAdvancedCycle(cyclePath(), twoMapCycle(), t.context));
    AdvancedCycle one = twoMapCycle();
    one.LastIndex = u"0"_s;
    ASSERT_TRUE(gbln_MakeAdvancedCycle(cyclePath(), one, t.context));
    const QString main = lines(readBytes(cyclePath()));
    EXPECT_TRUE(main.contains(
        "sets \"Map m1\" \"obj_team1\"\r\n\r\nset m1 \"set g_gametype 4;map obj_team1;seta "
        "g_speed 250;seta g_gravity 800;exec 1mycycle.cfg;wait;set nextmap vstr m1\r\n\r\nvstr m1"));
    EXPECT_FALSE(main.contains("m2"));
    EXPECT_TRUE(QFile::exists(cyclePath(u"2mycycle.cfg"_s)));
}

TEST_F(MapCycle, FailuresShowErrorSavingFileWithTheCauseAsTitle)
{
    AdvancedCycle shortOfValues = twoMapCycle();
    shortOfValues.Gravities.removeLast();
    EXPECT_FALSE(gbln_MakeAdvancedCycle(cyclePath(), shortOfValues, t.context));
    EXPECT_EQ(t.prompter.boxes(), Boxes { warningBox(u"Error saving file"_s, u"Subscript out of range"_s) });
    EXPECT_TRUE(QFile::exists(cyclePath(u"1mycycle.cfg"_s))) << "written before the failure";
    EXPECT_FALSE(QFile::exists(cyclePath()));
}
