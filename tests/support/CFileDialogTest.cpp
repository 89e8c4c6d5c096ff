#include "support/platform/CFileDialog.h"
#include "testkit/ScriptedPrompter.h"

#include <gtest/gtest.h>

using namespace fw;

TEST(CFileDialog, AChosenPathLongerThanTheBufferIsTakenWhole)
{
    test::ScriptedPrompter prompter;
    CFileDialog dialog(prompter);
    const QString chosen
        = QStringLiteral("/games/") + QString(300, QLatin1Char('d')) + QStringLiteral("/path.cfg");
    prompter.choose(chosen);
    EXPECT_TRUE(dialog.Show(false));
    EXPECT_EQ(dialog.FileName(), chosen);

    dialog.setMaxFileSize(8);
    dialog.setFileName(QStringLiteral("123456789"));
    EXPECT_FALSE(dialog.Show(true)) << "a name the buffer cannot hold shows the error instead";
    ASSERT_EQ(prompter.boxes().size(), 1);
    EXPECT_EQ(prompter.boxes()[0].text, QStringLiteral("Error: 5. Invalid procedure call or argument"));
}
