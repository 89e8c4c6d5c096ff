#include "profile/AppState.h"
#include "testkit/RegistryRows.h"
#include "testkit/TestContext.h"

#include <QFileInfo>

TEST(AppState, ValuesKeepTheirNamesAndTypesUnderTheProgramsKey)
{
    test::TestContext t;
    {
        AppState state(t.context.settingsStorePath);
        EXPECT_EQ(state.gameFolder(), QString());
        EXPECT_FALSE(state.firstScanDone()) << "the first-run flag's default";
        EXPECT_FALSE(QFileInfo::exists(t.context.settingsStorePath)) << "reading creates nothing";
        state.setGameFolder(u"/games/mohaa"_s);
        state.setFirstTime(true);
        state.setWindowPosition(1234.6, -15.2);
    }
    const auto values
        = openRegistryStore(t.context.settingsStorePath)
              ->values(RegistryRoot::LocalMachine, u"Software\\_DezeveRovorare\\Fortwright\\Fortwright"_s);
    ASSERT_TRUE(values);
    EXPECT_EQ(*values,
        QList<NamedRegistryValue>({ { u"MOHAA"_s, RegistryValue::string(u"/games/mohaa"_s) },
            { u"FirstTime"_s, RegistryValue::string(u"1"_s) }, { u"left"_s, RegistryValue::dword(1235) },
            { u"top"_s, RegistryValue::dword(-15) } }));

    AppState again(t.context.settingsStorePath);
    EXPECT_EQ(again.gameFolder(), u"/games/mohaa"_s);
    EXPECT_TRUE(again.firstScanDone());
    again.setFirstTime(false);
    EXPECT_FALSE(again.firstScanDone());
}
