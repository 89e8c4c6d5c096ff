#include "GenerateFixture.h"

#include "support/text/AnsiCodec.h"
#include "testkit/TestData.h"

namespace fw::test {

QByteArray GenerateFixture::expectedData(const QString& name) const
{
    const QDateTime now = t.clock.now();
    return testData(name).replace("@CREATED@", toAnsi(longDateText(now) + u" at "_s + timeText(now)));
}

void GenerateFixture::expectSaveDialog(
    const QString& title, const QString& filter, const QString& initialDir) const
{
    const FileDialogRequest save { false, title, filter, initialDir, QString(), QString(), 0x80002u, 0 };
    EXPECT_EQ(t.prompter.dialogs(), Dialogs { save });
}

void GenerateFixture::addRotation(const QString& map, const QString& gameTypes)
{
    profile.rotation.rows.append({ map, gameTypes, map + u" long name"_s });
}

} // namespace fw::test
