#include "app/ProfileBinder.h"

#include "app/FieldTextValidator.h"
#include "app/PasswordToggle.h"
#include "app/SpinField.h"
#include "app/ValueWarningMark.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace fw {
namespace {

Qt::CheckState checkState(const QString& value)
{
    const int v = value.toInt();
    return v == 0 ? Qt::Unchecked : v == 1 ? Qt::Checked : Qt::PartiallyChecked;
}

} // namespace

ProfileBinder::ProfileBinder(ProfileModel& model, QObject* parent)
    : QObject(parent)
    , m_model(model)
{
    connect(&model, &ProfileModel::fieldChanged, this, [this](FieldId id) {
        if (id != m_storing)
            refresh(id);
    });
    model.follow(ProfileModel::Part::Fields, this, [this] { refresh(); });
}

template <typename Store> void ProfileBinder::storing(FieldId id, Store&& store)
{
    if (m_refreshing)
        return;
    m_storing = id;
    store();
    m_storing.reset();
}

QString ProfileBinder::objectName(SettingGroup group, int index)
{
    const QString name = SettingsCatalogue::group(group).name;
    return index < 0 ? name : name + QLatin1Char('_') + QString::number(index);
}

QWidget* ProfileBinder::widget(SettingGroup group, int index)
{
    if (QWidget* existing = m_widgets.value(FieldId { group, index }))
        return existing;
    const SettingField* field = SettingsCatalogue::field(group, index);
    if (!field)
        return nullptr;
    QWidget* made = makeWidget(*field);
    made->setObjectName(objectName(group, index));
    if (!field->tooltip.isEmpty())
        made->setToolTip(field->tooltip);
    m_widgets.insert(FieldId { group, index }, made);
    show(*field, made);
    return made;
}

QWidget* ProfileBinder::caption(SettingGroup group, int index)
{
    const SettingField* field = SettingsCatalogue::field(group, index);
    auto* label = new QLabel(field ? field->caption : QString());
    label->setObjectName(QStringLiteral("lbl") + objectName(group, index));
    if (field && !field->captionTooltip.isEmpty())
        label->setToolTip(field->captionTooltip);
    label->setBuddy(widget(group, index));
    return label;
}

QButtonGroup* ProfileBinder::optionGroup(SettingGroup group)
{
    QButtonGroup*& buttons = m_optionGroups[int(group)];
    if (!buttons) {
        buttons = new QButtonGroup(this);
        connect(buttons, &QButtonGroup::idToggled, this, [this, group](int id, bool on) {
            if (on)
                storing({ group, id }, [&] { m_model.select(group, id); });
        });
    }
    return buttons;
}

QWidget* ProfileBinder::makeWidget(const SettingField& field)
{
    const SettingGroup group = field.group;
    const int index = field.index;
    auto store = [this, group, index](const QString& value) {
        storing({ group, index }, [&] { m_model.setValue({ group, index }, value); });
    };
    switch (field.kind) {
    case FieldKind::Number: {
        auto* spin = new SpinField(field.minimum, field.maximum);
        connect(spin, &SpinField::textEdited, this, store);
        return spin;
    }
    case FieldKind::Check: {
        auto* box = new QCheckBox(field.caption);
        connect(box, &QCheckBox::stateChanged, this, [store](int state) {
            store(QString::number(state == Qt::Unchecked ? 0 : state == Qt::Checked ? 1 : 2));
        });
        return box;
    }
    case FieldKind::Option: {
        auto* option = new QRadioButton(field.caption);
        optionGroup(group)->addButton(option, index);
        return option;
    }
    case FieldKind::Text:
        break;
    }
    if (group == SettingGroup::txtMsg) {
        auto* edit = new QPlainTextEdit;
        connect(edit, &QPlainTextEdit::textChanged, this, [this, edit] {
            // The widget's line ends are LF; the message keeps CR LF between its lines.
            storing({ SettingGroup::txtMsg, -1 }, [&] {
                m_model.setMessage(edit->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
            });
        });
        return edit;
    }
    auto* edit = new QLineEdit;
    if (field.maxLength > 0) {
        edit->setMaxLength(field.maxLength);
        edit->setValidator(new FieldTextValidator(field, edit));
    }
    ValueWarningMark::install(edit, field);
    if (field.password)
        PasswordToggle::install(edit);
    connect(edit, &QLineEdit::textChanged, this, store);
    return edit;
}

void ProfileBinder::show(const SettingField& field, QWidget* widget)
{
    const ServerProfile& profile = m_model.profile();
    const QString value = profile.value(field.group, field.index);
    if (auto* spin = qobject_cast<SpinField*>(widget))
        spin->setText(value);
    else if (auto* radio = qobject_cast<QRadioButton*>(widget))
        radio->setChecked(profile.selected(field.group) == field.index);
    else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        box->setTristate(checkState(value) == Qt::PartiallyChecked);
        box->setCheckState(checkState(value));
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
        const QString shown = QString(field.group == SettingGroup::txtMsg ? profile.message : value)
                                  .replace(QLatin1String("\r\n"), QLatin1String("\n"));
        if (plain->toPlainText() != shown)
            plain->setPlainText(shown);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text() != value)
            edit->setText(value);
    }
}

void ProfileBinder::refresh(FieldId id)
{
    QWidget* shown = m_widgets.value(id);
    if (!shown)
        return;
    m_refreshing = true;
    show(*SettingsCatalogue::field(id), shown);
    m_refreshing = false;
}

void ProfileBinder::refresh()
{
    m_refreshing = true;
    for (QButtonGroup* buttons : std::as_const(m_optionGroups)) {
        // No member selected is a state a profile can hold; an exclusive group cannot show it.
        buttons->setExclusive(false);
        for (QAbstractButton* button : buttons->buttons())
            button->setChecked(false);
        buttons->setExclusive(true);
    }
    for (auto it = m_widgets.cbegin(); it != m_widgets.cend(); ++it) {
        show(*SettingsCatalogue::field(it.key()), it.value());
    }
    m_refreshing = false;
}

} // namespace fw
