#include "app/ServerPage.h"

#include "app/FieldFrame.h"
#include "app/ProfileBinder.h"
#include "app/SelectOnEntry.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace fw {

ServerPage::ServerPage(ProfileBinder& binder, QWidget* parent)
    : QWidget(parent)
    , m_getLocalIp(new QPushButton(QStringLiteral("Get Local I.P")))
{
    m_getLocalIp->setObjectName(QStringLiteral("cmdIP"));
    m_getLocalIp->setToolTip(QStringLiteral("Fill the server address with this computer's own address"));

    QGroupBox* admin = FieldFrame(binder, SettingGroup::txtAdministration, 2).build();
    // The button sits under the address and port fields, in the frame's second column.
    auto* adminGrid = static_cast<QGridLayout*>(admin->layout());
    adminGrid->setRowStretch(adminGrid->rowCount() - 1, 0);
    adminGrid->addWidget(m_getLocalIp, adminGrid->rowCount(), 3, Qt::AlignRight);
    for (int i = 0; i < SettingsCatalogue::memberCount(SettingGroup::txtAdministration); ++i) {
        if (auto* edit = qobject_cast<QLineEdit*>(binder.widget(SettingGroup::txtAdministration, i)))
            SelectOnEntry::install(edit);
    }

    // Member 18, the second time-out field, sits below the tabs.
    QGroupBox* settings
        = FieldFrame(binder, SettingGroup::txtGameSettings, 4).without({ field::TimeOut.index }).build();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(admin);
    layout->addWidget(settings);
    layout->addStretch();
}

} // namespace fw
