#include "profile/AppState.h"
#include "testkit/TestContext.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace fw;

namespace {

const QString kKey = QStringLiteral("Software\\_DezeveRovorare\\Fortwright\\Fortwright");

} // namespace

TEST(AppState, ValuesKeepTheirNamesAndTypesUnderTheProgramsKey)
{
    test::TestContext t;
    {
        AppState state(t.context.settingsStorePath);
        EXPECT_EQ(state.gameFolder(), QString());
        EXPECT_FALSE(state.firstScanDone()) << "the first-run flag's default";
        EXPECT_FALSE(QFileInfo::exists(t.context.settingsStorePath)) << "reading creates nothing";
        state.setGameFolder(QStringLiteral("/games/mohaa"));
        state.setFirstTime(true);
        state.setWindowPosition(1234.6, -15.2);
    }
    const auto values
        = openRegistryStore(t.context.settingsStorePath)->values(RegistryRoot::LocalMachine, kKey);
    ASSERT_TRUE(values);
    ASSERT_EQ(values->size(), 4);
    EXPECT_EQ((*values)[0].name, QStringLiteral("MOHAA"));
    EXPECT_EQ((*values)[0].value, RegistryValue::string(QStringLiteral("/games/mohaa")));
    EXPECT_EQ((*values)[1].name, QStringLiteral("FirstTime"));
    EXPECT_EQ((*values)[1].value, RegistryValue::string(QStringLiteral("1")));
    EXPECT_EQ((*values)[2].name, QStringLiteral("left"));
    EXPECT_EQ((*values)[2].value, RegistryValue::dword(1235));
    EXPECT_EQ((*values)[3].name, QStringLiteral("top"));
    EXPECT_EQ((*values)[3].value, RegistryValue::dword(-15));

    AppState again(t.context.settingsStorePath);
    EXPECT_EQ(again.gameFolder(), QStringLiteral("/games/mohaa"));
    EXPECT_TRUE(again.firstScanDone());
    again.setFirstTime(false);
    EXPECT_FALSE(again.firstScanDone());
}
