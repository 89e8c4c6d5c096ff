#include "WindowFixture.h"
#include "app/CheckWindowState.h"
#include "app/FrmCheck.h"
#include "app/LiveCheck.h"
#include "app/MainMenus.h"
#include "generate/ServerConfigWriter.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

class CheckListTest : public test::WindowFixture {
protected:
    // The list's row of the first finding at place with severity, or -1.
    int rowOf(const FindingPlace& place, Severity severity)
    {
        const QList<Finding>& findings = window.check().findings();
        for (int i = 0; i < findings.size(); ++i)
            if (findings[i].place == place && findings[i].severity == severity)
                return i;
        return -1;
    }
    QList<Finding> dangers()
    {
        QList<Finding> found;
        for (const Finding& f : window.check().findings())
            if (f.severity == Severity::Danger)
                found << f;
        return found;
    }
};

bool sameIcon(const QIcon& a, const QIcon& b)
{
    return a.pixmap(16).toImage() == b.pixmap(16).toImage();
}

} // namespace

TEST_F(CheckListTest, TheListFollowsEditsLeadsToTheFieldAndRunAsksBeforeWritingADanger)
{
    test::writeBytes(t.context.gamePath + u"/MOHAA_server.exe"_s, "#!/bin/sh\n");
    window.show();
    window.model().edit(ProfileModel::Part::Rotation, [](ServerProfile& p) {
        p.rotation.rows = { { u"obj/obj_team1"_s, u"obj"_s, u"The Hunt"_s } };
    });
    find<QLineEdit>(u"txtAdministration_1"_s)->setText(u"demo"_s);
    QCoreApplication::processEvents();
    ASSERT_TRUE(dangers().isEmpty()) << "the starting profile must be harmless for this test";

    window.menus()->action(u"id_UtilitiesCheck"_s)->trigger();
    FrmCheck* list = window.checkWindow();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    EXPECT_TRUE(CheckWindowState(t.context.settingsStorePath).isOpen()) << "kept in the settings store";
    QListWidget* rows = list->list();
    EXPECT_EQ(rows->count(), window.check().findings().size());

    // A quote in the MOTD closes the quoted value: the rest of the line runs as commands.
    auto* motd = find<QLineEdit>(u"txtAdministration_0"_s);
    QTest::keyClicks(motd, u"be \"nice; echo X"_s);
    QCoreApplication::processEvents();
    const FindingPlace motdPlace { FindingPlace::Kind::Field, { SettingGroup::txtAdministration, 0 } };
    const int row = rowOf(motdPlace, Severity::Danger);
    ASSERT_GE(row, 0) << "the MOTD's quote is a danger";
    ASSERT_EQ(rows->count(), window.check().findings().size()) << "the list follows the edit";
    QListWidgetItem* item = rows->item(row);
    EXPECT_TRUE(item->text().startsWith(u"Server tab, Administration, MOTD\n"_s))
        << item->text().toStdString();
    EXPECT_TRUE(item->text().contains(window.check().findings()[row].what));
    EXPECT_TRUE(sameIcon(item->icon(), window.style()->standardIcon(QStyle::SP_MessageBoxCritical)));

    auto* count = find<QToolButton>(u"cmdCheckCount"_s);
    EXPECT_TRUE(count->isVisible());
    EXPECT_TRUE(count->text().startsWith(u"%1 danger"_s.arg(dangers().size())))
        << count->text().toStdString();
    EXPECT_TRUE(sameIcon(count->icon(), window.style()->standardIcon(QStyle::SP_MessageBoxCritical)));

    // Clicking the row goes from another tab to the field.
    window.tabs()->setCurrentIndex(3);
    rows->scrollToItem(item);
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualItemRect(item).center());
    EXPECT_TRUE(window.tabs()->currentWidget()->isAncestorOf(motd)) << window.tabs()->currentIndex();
    EXPECT_EQ(window.focusWidget(), motd);

    // Run with a danger: No writes and starts nothing.
    const QString written = t.mainFile(u"demo.cfg"_s);
    t.prompter.answer(Answer::No);
    window.button(1)->click();
    EXPECT_FALSE(QFile::exists(written));
    EXPECT_TRUE(t.services.started.isEmpty());
    ASSERT_EQ(t.prompter.boxes().size(), 1);
    const MessageBox asked = t.prompter.boxes().first();
    EXPECT_EQ(std::pair(asked.buttons, asked.defaultAnswer), std::pair(MessageButtons::YesNo, Answer::No));
    EXPECT_TRUE(asked.text.contains(u"- Server tab, Administration, MOTD: "_s + dangers().first().what))
        << asked.text.toStdString();

    // Export Config asks the same; No opens no save dialog.
    t.prompter.clear();
    t.prompter.answer(Answer::No);
    window.menus()->action(u"id_UtilitiesExportServerConfiguration"_s)->trigger();
    EXPECT_EQ(t.prompter.boxes(), test::Boxes { asked });
    EXPECT_TRUE(t.prompter.dialogs().isEmpty());

    // Yes: the documented flow, byte for byte what the writer makes of this profile.
    t.prompter.clear();
    t.prompter.answer(Answer::Yes);
    window.button(1)->click();
    ASSERT_EQ(t.services.started.size(), 1) << t.prompter.texts().join(u'\n').toStdString();
    EXPECT_EQ(t.prompter.boxes().size(), 1) << "no box beyond the question";
    const QByteArray runBytes = test::readBytes(written);
    QFile::remove(written);
    ASSERT_TRUE(CreateMOHAAConfiguration(
        window.profile(), t.context, ConfigurationTarget::GameMainFolder, u"demo.cfg"_s));
    EXPECT_EQ(runBytes, test::readBytes(written));

    // Without the danger the count says so and Run asks nothing.
    motd->setText(u"be nice"_s);
    QCoreApplication::processEvents();
    EXPECT_EQ(rowOf(motdPlace, Severity::Danger), -1);
    EXPECT_EQ(count->isVisible(), !window.check().findings().isEmpty());
    t.prompter.clear();
    window.button(1)->click();
    EXPECT_EQ(t.services.started.size(), 2);
    EXPECT_TRUE(t.prompter.boxes().isEmpty());

    list->close();
    EXPECT_FALSE(CheckWindowState(t.context.settingsStorePath).isOpen());
}
