#include "GenerateFixture.h"

#include "support/text/AnsiCodec.h"
#include "testkit/TestData.h"

namespace fw::test {

QByteArray GenerateFixture::expectedData(const QString& name) const
{
    const QDateTime now = t.clock.now();
    return testData(name).replace(
        "@CREATED@", toAnsi(longDateText(now) + QStringLiteral(" at ") + timeText(now)));
}

void GenerateFixture::expectSaveDialog(
    const QString& title, const QString& filter, const QString& initialDir) const
{
    ASSERT_EQ(t.prompter.dialogs().size(), 1);
    const FileDialogRequest& dialog = t.prompter.dialogs()[0];
    EXPECT_FALSE(dialog.open);
    EXPECT_EQ(dialog.title, title);
    EXPECT_EQ(dialog.filter, filter);
    EXPECT_EQ(dialog.initialDir, initialDir);
    EXPECT_TRUE(dialog.fileName.isEmpty());
    EXPECT_EQ(dialog.flags, 0x80002u);
}

void GenerateFixture::expectBox(int i, const QString& text, MessageIcon icon) const
{
    ASSERT_GT(t.prompter.boxes().size(), i);
    EXPECT_EQ(t.prompter.boxes()[i].text, text);
    EXPECT_EQ(t.prompter.boxes()[i].icon, icon);
}

void GenerateFixture::addRotation(const QString& map, const QString& gameTypes)
{
    profile.rotation.rows.append({ map, gameTypes, map + QStringLiteral(" long name") });
}

} // namespace fw::test
