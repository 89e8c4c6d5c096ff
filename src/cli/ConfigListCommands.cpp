#include "cli/ConfigListCommands.h"

#include "cli/CliArguments.h"
#include "cli/CliSession.h"
#include "cli/StoredList.h"
#include "profile/ListEditing.h"
#include "profile/ListFiles.h"
#include "support/platform/Prompter.h"

#include <QFileInfo>

namespace fw::cli {
namespace {

struct ConfigFile : StoredList<AdditionalConfig> {
    explicit ConfigFile(CliSession& session)
        : StoredList(session, kConfigListFile, &ListFiles::readConfigs, &ListFiles::writeConfigs)
    {
    }
};

class ConfigsListCommand : public CliCommand {
public:
    QStringList words() const override { return commandWords("configs", "list"); }
    bool onlyReadsData() const override { return true; }
    QString summary() const override
    {
        return QStringLiteral("print the used rows: number, date, size, name, full path and whether the file "
                              "is there");
    }

protected:
    void run(CliSession& session, const QCommandLineParser&, const QStringList&) override
    {
        const ConfigFile file(session);
        for (qsizetype i = 0; i < file.rows.size(); ++i) {
            const AdditionalConfig& c = file.rows[i];
            if (c.isEmpty())
                continue;
            session.out() << QStringList { QString::number(i + 1), c.modified, c.size, c.name, c.fullPath,
                isConfigPresent(c) ? QStringLiteral("present") : QStringLiteral("missing") }
                                 .join(QLatin1Char('\t'))
                          << '\n';
        }
    }
};

class ConfigsAddCommand : public CliCommand {
public:
    QStringList words() const override { return commandWords("configs", "add"); }
    QString summary() const override
    {
        return QStringLiteral("put a configuration file into the first empty row");
    }
    QString argumentSyntax() const override { return QStringLiteral("PATH"); }
    int minArguments() const override { return 1; }
    int maxArguments() const override { return 1; }

protected:
    void run(CliSession& session, const QCommandLineParser&, const QStringList& positional) override
    {
        const QString path = positional[0];
        if (!QFileInfo(path).isFile())
            CliSession::fail(QStringLiteral("No configuration file at %1").arg(path));
        ConfigFile file(session);
        const auto free = std::find_if(
            file.rows.begin(), file.rows.end(), [](const AdditionalConfig& c) { return c.isEmpty(); });
        if (free == file.rows.end())
            CliSession::fail(QStringLiteral("All %1 configuration rows are in use; remove one first")
                                 .arg(kAdditionalConfigRows));
        if (!mayLoadConfiguration(path, file.rows, session.prompter()))
            return;
        *free = describeConfiguration(path);
        file.save();
        session.out() << (free - file.rows.begin()) + 1 << '\n';
    }
};

class ConfigsRemoveCommand : public CliCommand {
public:
    QStringList words() const override { return commandWords("configs", "remove"); }
    QString summary() const override { return QStringLiteral("empty configuration row N (1 to 9)"); }
    QString argumentSyntax() const override { return QStringLiteral("N"); }
    int minArguments() const override { return 1; }
    int maxArguments() const override { return 1; }

protected:
    void run(CliSession& session, const QCommandLineParser&, const QStringList& positional) override
    {
        ConfigFile file(session);
        const int index = entryIndex(positional[0], file.rows.size(), QStringLiteral("configuration row"));
        if (file.rows[index].isEmpty())
            CliSession::fail(QStringLiteral("Configuration row %1 is empty").arg(index + 1));
        file.rows[index] = AdditionalConfig();
        file.save();
    }
};

} // namespace

void addConfigCommands(CommandList& commands)
{
    commands.push_back(std::make_unique<ConfigsListCommand>());
    commands.push_back(std::make_unique<ConfigsAddCommand>());
    commands.push_back(std::make_unique<ConfigsRemoveCommand>());
}

} // namespace fw::cli
