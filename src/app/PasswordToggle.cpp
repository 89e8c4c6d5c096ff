#include "app/PasswordToggle.h"

#include <QAction>
#include <QIcon>
#include <QLineEdit>

namespace fw::PasswordToggle {
namespace {

void showAs(QLineEdit* edit, QAction* toggle, bool shown)
{
    edit->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
    toggle->setIcon(shown ? QIcon::fromTheme(
                        QStringLiteral("view-hidden"), QIcon(QStringLiteral(":/icons/hide-password.svg")))
                          : QIcon::fromTheme(QStringLiteral("view-visible"),
                              QIcon(QStringLiteral(":/icons/show-password.svg"))));
    toggle->setToolTip(shown ? QStringLiteral("Hide the password") : QStringLiteral("Show the password"));
}

} // namespace

void install(QLineEdit* edit)
{
    auto* toggle = new QAction(edit);
    toggle->setObjectName(QLatin1String(kActionName));
    toggle->setCheckable(true);
    QObject::connect(
        toggle, &QAction::toggled, edit, [edit, toggle](bool shown) { showAs(edit, toggle, shown); });
    showAs(edit, toggle, false);
    edit->addAction(toggle, QLineEdit::TrailingPosition);
}

} // namespace fw::PasswordToggle
