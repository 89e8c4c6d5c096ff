#include "app/FieldFrame.h"

#include "app/ProfileBinder.h"

#include <QGridLayout>
#include <QGroupBox>

namespace fw {

FieldFrame::FieldFrame(ProfileBinder& binder, SettingGroup group, int columns)
    : m_binder(binder)
    , m_group(group)
    , m_columns(columns)
    , m_title(SettingsCatalogue::group(group).frame)
{
}

FieldFrame& FieldFrame::without(QList<int> indexes)
{
    m_skipped = std::move(indexes);
    return *this;
}

FieldFrame& FieldFrame::with(SettingGroup single)
{
    m_extras.append(single);
    return *this;
}

FieldFrame& FieldFrame::titled(const QString& title)
{
    m_title = title;
    return *this;
}

QGroupBox* FieldFrame::build()
{
    auto* frame = new QGroupBox(m_title.trimmed());
    frame->setObjectName(QStringLiteral("fra") + SettingsCatalogue::group(m_group).name);
    const QString frameTip = SettingsCatalogue::group(m_group).frameTooltip;
    if (!frameTip.isEmpty())
        frame->setToolTip(frameTip);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);

    QList<SettingField> fields;
    for (const SettingField& f : SettingsCatalogue::members(m_group)) {
        if (!m_skipped.contains(f.index))
            fields.append(f);
    }
    for (SettingGroup extra : m_extras)
        fields.append(SettingsCatalogue::members(extra));

    // Fill column by column so that the reading order follows the indexes downwards.
    const int rows = int((fields.size() + m_columns - 1) / m_columns);
    for (int i = 0; i < fields.size(); ++i) {
        const SettingField& f = fields.at(i);
        const int row = i % rows;
        const int column = (i / rows) * 2;
        const bool selfCaptioned = f.kind == FieldKind::Check || f.kind == FieldKind::Option;
        if (selfCaptioned) {
            grid->addWidget(m_binder.widget(f.group, f.index), row, column, 1, 2);
        } else {
            grid->addWidget(m_binder.caption(f.group, f.index), row, column);
            grid->addWidget(m_binder.widget(f.group, f.index), row, column + 1);
            grid->setColumnStretch(column + 1, 1);
        }
    }
    return frame;
}

} // namespace fw
