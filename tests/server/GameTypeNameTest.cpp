#include "server/rcon/GameTypeName.h"

TEST(GameTypeName, TheHeaderNamesTheGameTypeAsTheServersFamilyNumbersIt)
{
    struct Case {
        QString given;
        RconFraming framing;
        QString shown;
    };
    const Case cases[] = {
        { u"4"_s, RconFraming::Mohaa, u"Objective"_s },
        { u"1"_s, RconFraming::Mohaa, u"Free for All"_s },
        { u"4"_s, RconFraming::Quake3, u"Capture the Flag"_s },
        { u"0"_s, RconFraming::Quake3, u"Free for All"_s },
        { u"9"_s, RconFraming::Mohaa, u"type 9"_s },
        { u"^2Objective-Match"_s, RconFraming::Mohaa, u"Objective-Match"_s },
        { QString(), RconFraming::Mohaa, QString() },
    };
    for (const Case& c : cases)
        EXPECT_EQ(gameTypeName(c.given, c.framing), c.shown) << c.given.toStdString();
}
