#include "cli/MapCommands.h"

#include "cli/CliSession.h"
#include "cli/ConsoleScanProgress.h"
#include "maps/MapListFile.h"
#include "maps/MapScanner.h"
#include "profile/AppState.h"

namespace fw::cli {
namespace {

class ScanCommand : public CliCommand {
public:
    QStringList words() const override { return { QStringLiteral("scan") }; }
    QString summary() const override
    {
        return QStringLiteral("scan the game's Main folder into Main.efr and print how many maps it holds");
    }

protected:
    void run(CliSession& session, const QCommandLineParser&, const QStringList&) override
    {
        AppContext& context = session.gameContext();
        ConsoleScanProgress progress(writesToTerminal(session.err()) ? &session.prompter() : nullptr);
        AppState state(context.settingsStorePath);
        MapScanner scanner(context, progress, appStateWriter(state, context.gamePath));
        // The scanner has printed why by then.
        if (!scanner.gbln_ScanMaps(QStringLiteral("Main")))
            CliSession::fail(QString());
        // Every line written is one the list will read back.
        session.out() << MapCatalogue::countText(scanner.mapsListed()) << Qt::endl;
    }
};

class MapsCommand : public CliCommand {
public:
    QStringList words() const override { return { QStringLiteral("maps") }; }
    bool onlyReadsData() const override { return true; }
    QString summary() const override { return QStringLiteral("print the entries of Main.efr, one per line"); }

protected:
    void run(CliSession& session, const QCommandLineParser&, const QStringList&) override
    {
        // Held by name: a loop over the entries of a temporary would outlive them.
        const MapCatalogue catalogue = availableMaps(session);
        for (const MapEntry& entry : catalogue.entries())
            session.out() << entry.line() << '\n';
    }
};

} // namespace

MapCatalogue availableMaps(CliSession& session)
{
    QString failure;
    std::optional<MapCatalogue> catalogue = LoadAvailableMaps(session.context(), &failure);
    if (!failure.isEmpty())
        CliSession::fail(failure);
    // A missing list has been reported when nothing comes back.
    if (!catalogue)
        CliSession::fail(QString());
    return std::move(*catalogue);
}

void addMapCommands(CommandList& commands)
{
    commands.push_back(std::make_unique<ScanCommand>());
    commands.push_back(std::make_unique<MapsCommand>());
}

} // namespace fw::cli
