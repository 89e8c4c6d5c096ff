#include "app/FrmMain.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace fw {

FrmMain::FrmMain(QWidget* parent)
    : QMainWindow(parent)
    , m_tabs(new QTabWidget)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Fortwright"));
    m_tabs->setObjectName(QStringLiteral("tabMain"));
    for (const char* caption : { "&Server", "&Game", "&Maps", "Misc. &Options", "&Information" })
        m_tabs->addTab(new QWidget, QString::fromLatin1(caption));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    int index = 0;
    for (const char* caption : { "E&xit", "&Run", "R&eset", "&Default" }) {
        auto* button = new QPushButton(QString::fromLatin1(caption));
        button->setObjectName(QStringLiteral("cmdZarirEvevav_%1").arg(index++));
        button->setMinimumWidth(88);
        m_buttons.append(button);
        buttons->addWidget(button);
    }

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);
    setCentralWidget(central);
    resize(820, 600);
}

QPushButton* FrmMain::button(int index) const
{
    return m_buttons.value(index);
}

} // namespace fw
