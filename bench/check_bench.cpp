// Times the pre-flight check on a full profile: every text field filled, 500 rotation rows, nine
// additional configurations and a saved cycle on disk, a catalogue of 20,000 maps. The window runs
// the check on every edit, so the figure that matters is the worst of many runs.
#include "check/PreflightCheck.h"
#include "maps/MapCatalogue.h"
#include "maps/MapNameIndex.h"
#include "profile/ServerProfile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace fw;

namespace {

constexpr int kCatalogueMaps = 20000;
constexpr int kRotationRows = 500;

QString mapName(int i)
{
    return QStringLiteral("user_map_%1").arg(i, 5, 10, QLatin1Char('0'));
}

MapCatalogue catalogue()
{
    MapCatalogue maps;
    maps.reserve(kCatalogueMaps);
    for (int i = 0; i < kCatalogueMaps; ++i)
        maps.append({ QStringLiteral("pack%1.pk3").arg(i / 50), mapName(i), mapName(i),
            QStringLiteral("Long name %1").arg(i), QStringLiteral("ffa team round") });
    return maps;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

ServerProfile fullProfile(const QTemporaryDir& dir)
{
    ServerProfile profile;
    for (const SettingField& field : SettingsCatalogue::fields()) {
        if (field.kind == FieldKind::Text && field.maxLength == 0)
            profile.setValue(
                field.id(), QStringLiteral("Value of %1 as an admin would type it").arg(field.tag));
    }
    QStringList lines;
    for (int i = 0; i < 20; ++i)
        lines << QStringLiteral("Message %1: visit our site and join the clan tonight, all welcome").arg(i);
    profile.message = lines.join(QStringLiteral("\r\n"));
    profile.setValue(SettingGroup::txtSeverMessageTime, -1, QStringLiteral("5"));
    QByteArray cycle;
    for (int i = 0; i < kRotationRows; ++i) {
        profile.rotation.rows.append(
            { mapName(i * 37 % kCatalogueMaps), QStringLiteral("ffa team round"), {} });
        cycle += QStringLiteral("set m%1 \"set g_gametype 1;map dm/%2;wait;set nextmap vstr m%3\"\r\n")
                     .arg(i + 1)
                     .arg(mapName(i))
                     .arg(i + 2)
                     .toLatin1();
    }
    profile.rotation.savedCyclePath = dir.filePath(QStringLiteral("cycle.cfg"));
    writeFile(profile.rotation.savedCyclePath, cycle);
    for (int i = 0; i < kAdditionalConfigRows; ++i) {
        const QString name = QStringLiteral("extra%1.cfg").arg(i);
        writeFile(dir.filePath(name), "seta g_allowvote 0\r\n");
        profile.configs[i] = { QStringLiteral("01/02/2003"), QStringLiteral("20"), name, dir.filePath(name) };
    }
    return profile;
}

struct Figures {
    double median;
    double worst;
    qsizetype findings;
};

Figures measure(const ServerProfile& profile, const CheckInputs& inputs, int runs)
{
    std::vector<double> micros;
    micros.reserve(runs);
    qsizetype findings = 0;
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        findings = preflightCheck(profile, inputs).size();
        micros.push_back(double(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(micros.begin(), micros.end());
    return { micros[micros.size() / 2], micros.back(), findings };
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 1000;
    QTemporaryDir dir;
    if (!dir.isValid())
        qFatal("no temporary folder");
    const ServerProfile profile = fullProfile(dir);
    const MapCatalogue maps = catalogue();
    const MapNameIndex index(maps);

    CheckInputs withIndex;
    withIndex.catalogue = &maps;
    withIndex.mapIndex = &index;
    CheckInputs catalogueOnly;
    catalogueOnly.catalogue = &maps;

    measure(profile, withIndex, 20); // warm the caches and the file system
    const Figures ready = measure(profile, withIndex, runs);
    const Figures built = measure(profile, catalogueOnly, std::max(1, runs / 10));
    std::printf("pre-flight check, full profile, %d rotation rows, %d catalogue maps, %d runs\n",
        kRotationRows, kCatalogueMaps, runs);
    std::printf("  with the window's ready map index: median %.1f us, worst %.1f us (%lld findings)\n",
        ready.median, ready.worst, static_cast<long long>(ready.findings));
    std::printf("  building the index each time:     median %.1f us, worst %.1f us (%d runs)\n", built.median,
        built.worst, std::max(1, runs / 10));
    return 0;
}
