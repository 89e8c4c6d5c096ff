#include "app/FrmMain.h"

#include "app/BanListPanel.h"
#include "app/ConfigListPanel.h"
#include "app/GamePage.h"
#include "app/InformationPage.h"
#include "app/MapsPage.h"
#include "app/MiscOptionsPage.h"
#include "app/ProfileBinder.h"
#include "app/ServerPage.h"
#include "support/AppContext.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace fw {

FrmMain::FrmMain(AppContext& context, QWidget* parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_binder(new ProfileBinder(m_profile, this))
    , m_tabs(new QTabWidget)
    , m_bans(new BanListPanel(*m_binder, context.clock))
    , m_configs(new ConfigListPanel(*m_binder, context))
    , m_maps(new MapsPage(*m_binder, context))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Fortwright"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/fortwright.svg")));

    m_tabs->setObjectName(QStringLiteral("tabMain"));
    m_tabs->addTab(new ServerPage(*m_binder), QStringLiteral("&Server"));
    m_tabs->addTab(new GamePage(*m_binder), QStringLiteral("&Game"));
    m_tabs->addTab(m_maps, QStringLiteral("&Maps"));
    m_tabs->addTab(new MiscOptionsPage(*m_binder, m_bans, m_configs), QStringLiteral("Misc. &Options"));
    m_tabs->addTab(new InformationPage, QStringLiteral("&Information"));

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(makeBottomBar());
    setCentralWidget(central);
    // Fits a 1024x768 screen with room for the title bar and a panel.
    resize(std::max(minimumSizeHint().width(), 900), std::max(minimumSizeHint().height(), 700));
}

FrmMain::~FrmMain() = default;

QWidget* FrmMain::makeBottomBar()
{
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    // The second time-out field stands outside the tabs.
    row->addWidget(m_binder->caption(SettingGroup::txtGameSettings, 18));
    row->addWidget(m_binder->widget(SettingGroup::txtGameSettings, 18));
    row->addStretch();
    int index = 0;
    for (const char* caption : { "E&xit", "&Run", "R&eset", "&Default" }) {
        auto* button = new QPushButton(QString::fromLatin1(caption));
        button->setObjectName(QStringLiteral("cmdZarirEvevav_%1").arg(index++));
        button->setMinimumWidth(96);
        m_buttons.append(button);
        row->addWidget(button);
    }
    return bar;
}

void FrmMain::refresh()
{
    m_binder->refresh();
    m_bans->refresh();
    m_configs->refresh();
    m_maps->refresh();
}

QPushButton* FrmMain::button(int index) const
{
    return m_buttons.value(index);
}

} // namespace fw
