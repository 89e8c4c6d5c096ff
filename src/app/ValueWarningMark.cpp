#include "app/ValueWarningMark.h"

#include "profile/FieldValueRules.h"

#include <QAction>
#include <QLineEdit>
#include <QStyle>

namespace fw::ValueWarningMark {

void install(QLineEdit* edit, const SettingField& field)
{
    auto* mark = new QAction(edit->style()->standardIcon(QStyle::SP_MessageBoxWarning), QString(), edit);
    mark->setObjectName(QLatin1String(kActionName));
    mark->setVisible(false);
    edit->addAction(mark, QLineEdit::TrailingPosition);
    // Shown values arrive through setText as well, so a loaded profile is marked too.
    QObject::connect(edit, &QLineEdit::textChanged, mark, [mark, field](const QString& text) {
        const QString why = fieldValueWarnings(field, text).join(QLatin1Char('\n'));
        mark->setToolTip(why);
        mark->setVisible(!why.isEmpty());
    });
}

} // namespace fw::ValueWarningMark
