#include "cli/RotationListCommands.h"

#include "cli/CliArguments.h"
#include "cli/CliSession.h"
#include "cli/MapCommands.h"
#include "maps/MapListFile.h"
#include "maps/MapNameIndex.h"
#include "maps/RotationCommands.h"
#include "profile/ListFiles.h"

#include <QDir>
#include <QFile>

namespace fw::cli {
namespace {

class RotationListCommand : public CliCommand {
public:
    QStringList words() const override { return commandWords("rotation", "list"); }
    bool onlyReadsData() const override { return true; }
    QString summary() const override
    {
        return QStringLiteral("print the rotation: map, game types and long name, TAB-separated");
    }

protected:
    void run(CliSession& session, const QCommandLineParser&, const QStringList&) override
    {
        for (const RotationRow& row : ListFiles::readRotation(session.context().dataPath(kRotationListFile)))
            session.out() << row.mapName << '\t' << row.gameTypes << '\t' << row.longName << '\n';
    }
};

class RotationAddCommand : public CliCommand {
public:
    QStringList words() const override { return commandWords("rotation", "add"); }
    QString summary() const override { return QStringLiteral("append maps of the map list to the rotation"); }
    QString argumentSyntax() const override { return QStringLiteral("MAP..."); }
    int minArguments() const override { return 1; }
    int maxArguments() const override { return -1; }

protected:
    void run(CliSession& session, const QCommandLineParser&, const QStringList& positional) override
    {
        AppContext& context = session.context();
        const MapCatalogue catalogue = availableMaps(session);
        const QString path = context.dataPath(kRotationListFile);
        MapRotation rotation;
        rotation.rows = ListFiles::readRotation(path);
        RotationCommands commands(rotation, context);
        const MapNameIndex index(catalogue);
        QStringList unknown;
        for (const QString& name : positional) {
            if (const MapEntry* entry = index.find(name))
                commands.add(entry->mapName, entry->gameTypes, entry->longName);
            else
                unknown.append(name);
        }
        if (!unknown.isEmpty())
            CliSession::fail(QStringLiteral("Not in the map list (run a map scan?): %1")
                                 .arg(unknown.join(QStringLiteral(", "))));
        ListFiles::writeRotation(path, rotation.rows);
        session.out() << commands.countText() << '\n';
    }
};

class RotationClearCommand : public CliCommand {
public:
    QStringList words() const override { return commandWords("rotation", "clear"); }
    QString summary() const override { return QStringLiteral("empty the rotation (removes Maps.dat)"); }

protected:
    void run(CliSession& session, const QCommandLineParser&, const QStringList&) override
    {
        // The window never writes an empty rotation and keeps the old file; asked to clear, the
        // command removes it, and says so.
        const QString path = session.context().dataPath(kRotationListFile);
        const QString shown = QDir::toNativeSeparators(path);
        if (!QFile::exists(path)) {
            session.out() << "The rotation is already empty.\n";
            return;
        }
        if (!QFile::remove(path))
            CliSession::fail(QStringLiteral("Unable to remove %1").arg(shown));
        session.out() << QStringLiteral("Removed %1: the rotation is empty.\n").arg(shown);
    }
};

} // namespace

void addRotationCommands(CommandList& commands)
{
    commands.push_back(std::make_unique<RotationListCommand>());
    commands.push_back(std::make_unique<RotationAddCommand>());
    commands.push_back(std::make_unique<RotationClearCommand>());
}

} // namespace fw::cli
