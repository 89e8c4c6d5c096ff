#include "check/CheckRules.h"

#include "profile/SettingsCatalogue.h"

#include <algorithm>

namespace fw {

QString severityName(Severity severity)
{
    switch (severity) {
    case Severity::Danger:
        return QStringLiteral("danger");
    case Severity::Warning:
        return QStringLiteral("warning");
    case Severity::Note:
        break;
    }
    return QStringLiteral("note");
}

QString placeName(const FindingPlace& place)
{
    const auto withRow = [&place](const char* list) {
        const QString name = QLatin1String(list);
        // Rows are numbered from 1, as the list commands number them.
        return place.row < 0 ? name : name + u' ' + QString::number(place.row + 1);
    };
    switch (place.kind) {
    case FindingPlace::Kind::Field: {
        const QString group = SettingsCatalogue::group(place.field.group).name;
        return place.field.index < 0 ? group : group + u' ' + QString::number(place.field.index);
    }
    case FindingPlace::Kind::Rotation:
        return withRow("rotation");
    case FindingPlace::Kind::Configs:
        return withRow("configs");
    case FindingPlace::Kind::Message:
        return withRow("message");
    case FindingPlace::Kind::SavedCycle:
        break;
    }
    return withRow("cycle");
}

QString fieldName(const SettingField& field)
{
    QString name = QString(field.caption).remove(u'&');
    if (name.endsWith(u':'))
        name.chop(1);
    // A numbered caption ("1.") says nothing on its own; the server's name for the field does.
    if (std::none_of(name.cbegin(), name.cend(), [](QChar c) { return c.isLetter(); }))
        name = field.tag;
    return name;
}

Finding fieldFinding(Severity severity, FieldId id, const QString& what, const QString& fix)
{
    return { severity, { FindingPlace::Kind::Field, id, -1 }, what, fix };
}

} // namespace fw
