#include "app/ValueWarningMark.h"

#include "check/ValueWarnings.h"
#include "profile/SettingsCatalogue.h"

#include <QAction>
#include <QLineEdit>
#include <QStyle>

namespace fw::ValueWarningMark {

void install(QLineEdit* edit, const SettingField& field)
{
    auto* mark = new QAction(edit->style()->standardIcon(QStyle::SP_MessageBoxWarning), QString(), edit);
    mark->setObjectName(QLatin1String(kActionName));
    // Shown values arrive through setText as well, so a loaded profile is marked too. The sign is
    // added and removed rather than hidden, as a hidden action still leaves a faded sign behind.
    QObject::connect(edit, &QLineEdit::textChanged, mark, [edit, mark, field](const QString& text) {
        const QString why = fieldValueWarnings(field, text).join(QLatin1Char('\n'));
        mark->setToolTip(why);
        if (why.isEmpty())
            edit->removeAction(mark);
        else if (!edit->actions().contains(mark))
            edit->addAction(mark, QLineEdit::TrailingPosition);
    });
}

bool isShown(const QLineEdit* edit)
{
    const auto* mark = edit->findChild<QAction*>(QLatin1String(kActionName));
    return mark && edit->actions().contains(mark);
}

} // namespace fw::ValueWarningMark
