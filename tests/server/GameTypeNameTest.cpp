#include "server/rcon/GameTypeName.h"

TEST(GameTypeName, TheHeaderNamesTheGameTypeAsTheServersFamilyNumbersIt)
{
    const std::tuple<QString, RconFraming, QString> cases[] = {
        { u"4"_s, RconFraming::Mohaa, u"Objective"_s },
        { u"1"_s, RconFraming::Mohaa, u"Free for All"_s },
        { u"4"_s, RconFraming::Quake3, u"Capture the Flag"_s },
        { u"0"_s, RconFraming::Quake3, u"Free for All"_s },
        { u"9"_s, RconFraming::Mohaa, u"type 9"_s },
        { u"^2Objective-Match"_s, RconFraming::Mohaa, u"Objective-Match"_s },
        { QString(), RconFraming::Mohaa, QString() },
    };
    for (const auto& [given, framing, shown] : cases)
        EXPECT_EQ(gameTypeName(given, framing), shown) << given.toStdString();
}
