#include "support/platform/CFileDialog.h"
#include "testkit/ScriptedPrompter.h"

TEST(CFileDialog, AChosenPathLongerThanTheBufferIsTakenWhole)
{
    test::ScriptedPrompter prompter;
    CFileDialog dialog(prompter);
    const QString chosen = u"/games/"_s + QString(300, QLatin1Char('d')) + u"/path.cfg"_s;
    prompter.choose(chosen);
    EXPECT_TRUE(dialog.Show(false));
    EXPECT_EQ(dialog.FileName(), chosen);

    dialog.setMaxFileSize(8);
    dialog.setFileName(u"123456789"_s);
    EXPECT_FALSE(dialog.Show(true)) << "a name the buffer cannot hold shows the error instead";
    EXPECT_EQ(
        prompter.boxes(), test::Boxes({ { u"Error: 5. Invalid procedure call or argument"_s, u"Show"_s } }));
}
