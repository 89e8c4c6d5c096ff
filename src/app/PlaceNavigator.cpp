#include "app/PlaceNavigator.h"

#include "app/ProfileBinder.h"
#include "profile/SettingsCatalogue.h"

#include <QAbstractItemView>
#include <QGroupBox>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>

namespace fw {
namespace {

using Kind = FindingPlace::Kind;

// A caption as shown, without its access-key marker.
QString shown(QString caption)
{
    caption.replace(QLatin1String("&&"), QLatin1String("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    while (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    return caption.trimmed();
}

// The object name of the widget that stands for a place.
QString widgetName(const FindingPlace& place)
{
    switch (place.kind) {
    case Kind::Field:
        return ProfileBinder::objectName(place.field.group, place.field.index);
    case Kind::Rotation:
        return QStringLiteral("lsvMapRotation");
    case Kind::Configs:
        return QStringLiteral("grdAdditionalCfg");
    case Kind::Message:
        return ProfileBinder::objectName(SettingGroup::txtMsg, -1);
    case Kind::SavedCycle:
        return QStringLiteral("cmdSelectMap");
    }
    return {};
}

// The title of the nearest frame around a widget.
QString frameTitle(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (const auto* frame = qobject_cast<const QGroupBox*>(w))
            return shown(frame->title());
    return {};
}

QString fieldCaption(const FindingPlace& place, const QWidget* widget)
{
    const SettingField* field = SettingsCatalogue::field(place.field);
    QString caption = field ? shown(field->caption) : QString();
    const QString frame = frameTitle(widget);
    if (caption.isEmpty())
        caption = frame.isEmpty() ? shown(SettingsCatalogue::group(place.field.group).frame) : frame;
    else if (!frame.isEmpty() && field && SettingsCatalogue::group(place.field.group).isArray
        && frame != caption)
        caption = frame + QStringLiteral(", ") + caption;
    return caption.isEmpty() ? placeName(place) : caption;
}

} // namespace

PlaceNavigator::PlaceNavigator(QWidget& window, QTabWidget& tabs)
    : m_window(window)
    , m_tabs(tabs)
{
}

QWidget* PlaceNavigator::widgetFor(const FindingPlace& place) const
{
    QWidget* widget = m_window.findChild<QWidget*>(widgetName(place));
    if (!widget && place.kind == Kind::Field && place.field.index < 0) {
        // A whole control array: its first member.
        for (const SettingField& member : SettingsCatalogue::members(place.field.group))
            if ((widget
                    = m_window.findChild<QWidget*>(ProfileBinder::objectName(member.group, member.index))))
                break;
    }
    return widget;
}

int PlaceNavigator::tabHolding(const QWidget* widget) const
{
    for (int i = 0; i < m_tabs.count(); ++i)
        if (m_tabs.widget(i)->isAncestorOf(widget))
            return i;
    return -1;
}

QString PlaceNavigator::describe(const FindingPlace& place) const
{
    const QWidget* widget = widgetFor(place);
    QString what;
    switch (place.kind) {
    case Kind::Field:
        what = fieldCaption(place, widget);
        break;
    case Kind::SavedCycle:
        what = frameTitle(widget);
        break;
    case Kind::Rotation:
    case Kind::Configs:
    case Kind::Message:
        what = frameTitle(widget);
        if (place.row >= 0)
            what += QStringLiteral(", row %1").arg(place.row + 1);
        break;
    }
    if (what.isEmpty())
        what = placeName(place);
    const int tab = widget ? tabHolding(widget) : -1;
    return tab < 0 ? what : shown(m_tabs.tabText(tab)) + QStringLiteral(" tab, ") + what;
}

bool PlaceNavigator::goTo(const FindingPlace& place) const
{
    QWidget* widget = widgetFor(place);
    if (!widget)
        return false;
    if (const int tab = tabHolding(widget); tab >= 0) {
        m_tabs.setCurrentIndex(tab);
        // The pages scroll when the window is small; the field comes into view.
        for (QWidget* w = widget->parentWidget(); w; w = w->parentWidget())
            if (auto* area = qobject_cast<QScrollArea*>(w)) {
                area->ensureWidgetVisible(widget);
                break;
            }
    }
    m_window.activateWindow();
    if (auto* list = qobject_cast<QTableWidget*>(widget);
        list && place.row >= 0 && place.row < list->rowCount()) {
        list->selectRow(place.row);
        list->scrollToItem(list->item(place.row, 0));
    }
    widget->setFocus(Qt::OtherFocusReason);
    return true;
}

} // namespace fw
