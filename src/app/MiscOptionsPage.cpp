#include "app/MiscOptionsPage.h"

#include "app/BanListPanel.h"
#include "app/ConfigListPanel.h"
#include "app/FieldFrame.h"
#include "app/ProfileBinder.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace fw {
namespace {

QGroupBox* logFrame(ProfileBinder& binder)
{
    auto* frame = new QGroupBox(SettingsCatalogue::group(SettingGroup::txtLogFileName).frame);
    frame->setObjectName(QStringLiteral("fraLog"));
    auto* grid = new QGridLayout(frame);
    grid->addWidget(binder.caption(SettingGroup::txtLogFileName), 0, 0);
    grid->addWidget(binder.widget(SettingGroup::txtLogFileName), 0, 1);
    grid->addWidget(binder.widget(SettingGroup::chkLogSync), 1, 0, 1, 2);
    for (int i = 0; i < SettingsCatalogue::memberCount(SettingGroup::optLogging); ++i)
        grid->addWidget(binder.widget(SettingGroup::optLogging, i), 2 + i / 2, i % 2);
    grid->setColumnStretch(1, 1);
    return frame;
}

// "Send  messages every" [minutes] "minutes, delay each line" [seconds] "seconds."
QGroupBox* messagingFrame(ProfileBinder& binder)
{
    auto* frame = new QGroupBox(SettingsCatalogue::group(SettingGroup::txtMsg).frame);
    frame->setObjectName(QStringLiteral("fraServerMessaging"));
    auto* text = qobject_cast<QPlainTextEdit*>(binder.widget(SettingGroup::txtMsg));
    text->setPlaceholderText(QStringLiteral("One chat line per line"));
    text->setTabChangesFocus(true);
    auto* sentence = new QHBoxLayout;
    sentence->addWidget(new QLabel(QStringLiteral("Send  messages every")));
    sentence->addWidget(binder.widget(SettingGroup::txtSeverMessageTime));
    sentence->addWidget(new QLabel(QStringLiteral("minutes, delay each line")));
    sentence->addWidget(binder.widget(SettingGroup::txtMsgDelay));
    sentence->addWidget(new QLabel(QStringLiteral("seconds.")));
    sentence->addStretch();
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(text, 1);
    layout->addLayout(sentence);
    return frame;
}

} // namespace

MiscOptionsPage::MiscOptionsPage(
    ProfileBinder& binder, BanListPanel* bans, ConfigListPanel* configs, QWidget* parent)
    : QWidget(parent)
{
    auto* left = new QVBoxLayout;
    left->addWidget(FieldFrame(binder, SettingGroup::optServerType, 3).build());
    left->addWidget(FieldFrame(binder, SettingGroup::txtMasterServers, 1).build());
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(messagingFrame(binder), 1);
    right->addWidget(logFrame(binder));

    auto* top = new QHBoxLayout;
    top->addLayout(left, 2);
    top->addLayout(right, 3);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(bans, 2);
    bottom->addWidget(configs, 3);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom, 1);
}

} // namespace fw
