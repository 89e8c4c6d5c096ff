#include "generate/AdvancedCycleWriter.h"

#include "generate/GeneratedFileText.h"
#include "profile/AdvancedCycle.h"
#include "profile/SettingsCatalogue.h"
#include "support/AppContext.h"
#include "support/errors/FortwrightError.h"
#include "support/files/AnsiTextFile.h"
#include "support/files/PathHelpers.h"
#include "support/files/WholeFileBatch.h"
#include "support/platform/Prompter.h"
#include "support/text/AnsiCodec.h"
#include "support/text/NumericText.h"

#include <cmath>

namespace fw {

namespace {

const QString& entry(const QStringList& values, int index)
{
    if (index < 0 || index >= values.size())
        throw FortwrightError(
            RuntimeError::SubscriptOutOfRange, kExecutableName, QStringLiteral("Subscript out of range"));
    return values.at(index);
}

QStringList mapSettingsLines(const AdvancedCycle& cycle, int i, const QString& mainName)
{
    QStringList lines { QStringLiteral("// This map cycle is referenced by ") + mainName };
    for (const QStringList* values : { &cycle.QuadFactors, &cycle.WeaponRespawns, &cycle.Knockbacks,
             &cycle.FragLimits, &cycle.TimeLimits, &cycle.CaptureLimits, &cycle.DMFlagSums })
        lines << QStringLiteral("set ") + entry(*values, i);
    lines << QStringLiteral("//EOF");
    return lines;
}

QStringList headerLines(const AppContext& ctx)
{
    return framedHeader(kSlashRule, QStringLiteral("//         MOHAA Map Cycle Configuration File        //"),
               QStringLiteral("// "), ctx.clock)
        + QStringList {
              QString(),
              QStringLiteral("// ================"),
              QStringLiteral("// MAPS IN ROTATION"),
              QStringLiteral("// ================"),
              QStringLiteral(
                  "// The list below will show in ASE, GS etc. If voting is enabled players can vote "
                  "for maps using /callvote nextmap vstr m1"),
              QStringLiteral(
                  "// From the console you can also type vstr m1 and the map assigned to the cvar m1 "
                  "will be loaded."),
              QStringLiteral(
                  "// From rcon you can also type /rcon <password> vstr m1 and the map assigned to "
                  "the cvar m1 will be loaded."),
          };
}

// The cycle's lines and rotation lines; each map's settings file is added to the batch.
struct CycleLines {
    QStringList body;
    QStringList rotation;
};

CycleLines addMapFiles(WholeFileBatch& batch, const AdvancedCycle& cycle, int last, const QString& folder,
    const QString& mainName)
{
    CycleLines lines;
    for (int i = 0; i <= last; ++i) {
        const QString k = QString::number(i + 1);
        const QString next = QString::number(i == last ? 1 : i + 2);
        const QString& map = entry(cycle.MapNames, i);
        // The value's opening quote is never closed: the server reads it to the end of the line.
        lines.body << QStringLiteral("set m") + k + QStringLiteral(" \"set ") + entry(cycle.GameTypes, i)
                + QStringLiteral(";map ") + map + QStringLiteral(";seta ") + entry(cycle.Speeds, i)
                + QStringLiteral(";seta ") + entry(cycle.Gravities, i) + QStringLiteral(";exec ") + k
                + mainName + QStringLiteral(";wait;set nextmap vstr m") + next;
        lines.rotation << QStringLiteral("sets \"Map m") + k + QStringLiteral("\" \"") + map
                + QLatin1Char('"');
        batch.add(
            folder + k + mainName, AnsiTextBuilder().lines(mapSettingsLines(cycle, i, mainName)).bytes());
    }
    return lines;
}

void writeCycle(const QString& path, const AdvancedCycle& cycle, AppContext& ctx)
{
    const int last = int(std::floor(leadingNumber(cycle.LastIndex)));
    const QString folder = addSlash(GetPathPart(path));
    const QString mainName = GetNamePart(path);

    // The files of the cycle are written in one batch, with one sync for the lot. The settings
    // files written before a failure still take their places.
    WholeFileBatch batch;
    CycleLines lines;
    try {
        lines = addMapFiles(batch, cycle, last, folder, mainName);
    } catch (const std::exception&) {
        batch.commit();
        throw;
    }
    QStringList& body = lines.body;
    body << QString() << QStringLiteral("vstr m1") << QStringLiteral("// ***    DO NOT DELETE MAP NAME ***")
         << QStringLiteral("// ***    REQ BY Fortwright  ***")
         << QStringLiteral("//") + entry(cycle.MapNames, 0) << QString() << QString();
    // The body goes in as the text it makes once written, Windows-1252 and split into lines.
    const QStringList bodyLines = splitTextLines(fromAnsi(AnsiTextBuilder().lines(body).bytes()));

    AnsiTextBuilder assembled;
    assembled.lines(headerLines(ctx)).lines(lines.rotation).line().lines(bodyLines);
    const QByteArray bytes = assembled.bytes();
    batch.add(ctx.dataPath(QStringLiteral("tempcfg.cfg")), bytes);
    batch.add(path, bytes);
    batch.commit();
}

} // namespace

bool gbln_MakeAdvancedCycle(const QString& path, AdvancedCycle cycle, AppContext& ctx)
{
    try {
        writeCycle(path, cycle, ctx);
        return true;
    } catch (const std::exception& e) {
        MessageBox box { QStringLiteral("Error saving file"), FortwrightError::fromStd(e).description(),
            MessageIcon::Exclamation };
        box.titleTellsWhy = true;
        ctx.prompter.show(box);
        return false;
    }
}

} // namespace fw
