#include "app/PlayerActions.h"
#include "testkit/ScriptedPrompter.h"

namespace {

Player player(const QString& address, int slot = 3)
{
    return { slot, u"5"_s, u"48"_s, u"^1Red^7 Baron"_s, address, u"25000"_s };
}

} // namespace

TEST(PlayerActions, OnlyAnAddressFromOutsideCanBeBannedAndOnlyAPlayerWithASlotKickedOrTold)
{
    const std::pair<QString, QString> addresses[] = {
        { u"203.0.113.9:12203"_s, u"203.0.113.9"_s },
        { u"[2001:db8::1]:12203"_s, u"2001:db8::1"_s },
        { u"198.51.100.7"_s, u"198.51.100.7"_s },
        { u"bot"_s, QString() },
        { u"loopback"_s, QString() },
        { u"127.0.0.1:12203"_s, QString() },
        { QString(), QString() },
    };
    for (const auto& [address, banned] : addresses) {
        const Player listed = player(address);
        EXPECT_EQ(bannableAddress(listed), banned) << address.toStdString();
        EXPECT_EQ(canDo(PlayerAction::Ban, &listed), !banned.isEmpty()) << address.toStdString();
    }
    const Player fromGetstatus = player(QString(), -1);
    EXPECT_FALSE(canDo(PlayerAction::Kick, &fromGetstatus));
    EXPECT_FALSE(canDo(PlayerAction::Message, &fromGetstatus));
    EXPECT_TRUE(canDo(PlayerAction::SayToAll, nullptr));
    EXPECT_FALSE(canDo(PlayerAction::Kick, nullptr));
}

TEST(PlayerActions, ABanAsksNamingPlayerAndCommandAndACancelledOrEmptyLineSendsNothing)
{
    test::ScriptedPrompter prompter;
    const Player baron = player(u"203.0.113.9:12203"_s);
    prompter.answer(Answer::No).answer(Answer::Yes);
    EXPECT_EQ(playerActionCommand(PlayerAction::Ban, baron, prompter), std::nullopt);
    EXPECT_EQ(playerActionCommand(PlayerAction::Ban, baron, prompter), u"banaddr 203.0.113.9"_s);
    const MessageBox asked {
        u"Ban Red Baron (slot 3)'s address 203.0.113.9? Nobody can join from it until the ban "
        "is lifted.\n\nFortwright sends the rcon command:\nbanaddr 203.0.113.9"_s,
        u"Ban Address"_s, MessageIcon::Question, MessageButtons::YesNo, Answer::No
    };
    EXPECT_EQ(prompter.boxes(), (test::Boxes { asked, asked }));

    prompter.clear();
    prompter.type(std::nullopt).type(u"  "_s).type(std::nullopt).type(u"gg  all // see you"_s);
    EXPECT_EQ(playerActionCommand(PlayerAction::Kick, baron, prompter), std::nullopt)
        << "no reason asked, no kick";
    EXPECT_EQ(playerActionCommand(PlayerAction::Message, baron, prompter), std::nullopt);
    EXPECT_EQ(playerActionCommand(PlayerAction::SayToAll, baron, prompter), std::nullopt);
    EXPECT_EQ(playerActionCommand(PlayerAction::SayToAll, baron, prompter), u"say \"gg  all // see you\""_s);
    EXPECT_TRUE(prompter.boxes().isEmpty()) << "only a kick and a ban ask to go ahead";
}
