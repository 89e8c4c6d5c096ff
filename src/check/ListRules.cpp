#include "check/CheckRules.h"

#include "maps/MapCatalogue.h"
#include "maps/MapNameIndex.h"
#include "profile/ListEditing.h"
#include "profile/ServerProfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

namespace fw {

namespace {

// The maps a saved advanced cycle loads: the word after each ";map " of its "set mN" lines. A plain
// search, as the check runs on every edit and a cycle of hundreds of maps is read each time.
QStringList cycleMaps(const QByteArray& text)
{
    static constexpr QByteArrayView kMapCommand(";map ");
    QStringList maps;
    for (qsizetype at = text.indexOf(kMapCommand); at >= 0; at = text.indexOf(kMapCommand, at)) {
        at += kMapCommand.size();
        qsizetype end = at;
        while (end < text.size() && !QByteArrayView(";\" \t\r\n").contains(text[end]))
            ++end;
        if (end > at)
            maps << QString::fromLatin1(text.mid(at, end - at));
    }
    return maps;
}

void savedCycle(const RuleInput& in, QList<Finding>& out)
{
    const QString path = in.profile.rotation.savedCyclePath;
    if (path.isEmpty())
        return;
    const FindingPlace place { FindingPlace::Kind::SavedCycle, {}, -1 };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        out << Finding { Severity::Warning, place,
            QStringLiteral("The saved map cycle %1 cannot be read, so the server has no cycle to run")
                .arg(QDir::toNativeSeparators(path)),
            QStringLiteral("Save the cycle again with the Map Wizard, or clear the saved cycle.") };
        return;
    }
    QStringList bare;
    for (const QString& map : cycleMaps(file.readAll())) {
        if (!map.contains(u'/') && !bare.contains(map))
            bare << map;
    }
    if (bare.isEmpty())
        return;
    out << Finding { Severity::Warning, place,
        QStringLiteral("The saved map cycle %1 loads %2 without a dm/ or obj/ folder: the server looks for "
                       "maps/%3.bsp, which is not where the map lives, and cannot load it")
            .arg(QDir::toNativeSeparators(path), bare.join(QStringLiteral(", ")), bare.constFirst()),
        QStringLiteral("Name each map with its folder in the cycle file (dm/%1 or obj/%1).")
            .arg(bare.constFirst()) };
}

void missingConfigs(const RuleInput& in, QList<Finding>& out)
{
    for (qsizetype i = 0; i < in.profile.configs.size(); ++i) {
        const AdditionalConfig& config = in.profile.configs[i];
        if (config.isEmpty() || isConfigPresent(config))
            continue;
        const QString where = config.fullPath.trimmed().isEmpty()
            ? QStringLiteral("has no path")
            : QStringLiteral("is no longer at %1").arg(QDir::toNativeSeparators(config.fullPath));
        out << Finding { Severity::Warning, { FindingPlace::Kind::Configs, {}, int(i) },
            QStringLiteral(
                "The additional configuration %1 %2, so the configuration leaves out its exec line "
                "and the server runs without it")
                .arg(config.name, where),
            QStringLiteral("Add it again from where it is now, or remove the row.") };
    }
}

void rotationOutsideCatalogue(const RuleInput& in, QList<Finding>& out)
{
    if (!in.inputs.catalogue && !in.inputs.mapIndex)
        return;
    std::optional<MapNameIndex> built;
    const MapNameIndex* index = in.inputs.mapIndex;
    if (!index)
        index = &built.emplace(*in.inputs.catalogue);
    const QList<RotationRow>& rows = in.profile.rotation.rows;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (index->find(rows[i].mapName))
            continue;
        out << Finding { Severity::Warning, { FindingPlace::Kind::Rotation, {}, int(i) },
            QStringLiteral("%1 is not among the maps of the last scan: the server fails to load it when the "
                           "rotation reaches it")
                .arg(rows[i].mapPath()),
            QStringLiteral("Scan the maps again, or remove the row.") };
    }
}

} // namespace

QList<CheckRule> listRules()
{
    return { savedCycle, missingConfigs, rotationOutsideCatalogue };
}

} // namespace fw
