#include "app/GamePage.h"

#include "app/FieldFrame.h"
#include "app/ProfileBinder.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace fw {

GamePage::GamePage(ProfileBinder& binder, QWidget* parent)
    : QWidget(parent)
{
    auto* left = new QVBoxLayout;
    left->addWidget(FieldFrame(binder, SettingGroup::txtMovement, 1).build());
    left->addWidget(FieldFrame(binder, SettingGroup::GameLimit, 1).build());
    left->addStretch();

    auto* middle = new QVBoxLayout;
    middle->addWidget(
        FieldFrame(binder, SettingGroup::chkSOF2Options, 2).with(SettingGroup::chkPunkBuster).build());
    middle->addStretch();

    auto* dmFlags = FieldFrame(binder, SettingGroup::chkDMFlags, 1).build();
    auto* sum = qobject_cast<QLineEdit*>(binder.widget(SettingGroup::txtDMFlags));
    sum->setReadOnly(true);
    sum->setAlignment(Qt::AlignRight);
    sum->setMaximumWidth(sum->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    dmFlags->layout()->addWidget(sum);

    auto* right = new QVBoxLayout;
    right->addWidget(dmFlags);
    right->addWidget(FieldFrame(binder, SettingGroup::optGameType, 1).build());
    right->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 2);
    layout->addLayout(middle, 4);
    layout->addLayout(right, 2);
}

} // namespace fw
