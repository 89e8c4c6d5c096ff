#include "cli/BanListCommands.h"

#include "cli/CliArguments.h"
#include "cli/CliSession.h"
#include "cli/StoredList.h"
#include "profile/ListEditing.h"
#include "profile/ListFiles.h"
#include "support/platform/Clock.h"

namespace fw::cli {
namespace {

struct BanFile : StoredList<BanEntry> {
    explicit BanFile(CliSession& session)
        : StoredList(session, kBannedListFile, &ListFiles::readBans, &ListFiles::writeBans)
    {
    }
};

class BansListCommand : public CliCommand {
public:
    QStringList words() const override { return commandWords("bans", "list"); }
    bool onlyReadsData() const override { return true; }
    QString summary() const override
    {
        return QStringLiteral("print the banned addresses: number, date added and address");
    }

protected:
    void run(CliSession& session, const QCommandLineParser&, const QStringList&) override
    {
        const BanFile file(session);
        for (qsizetype i = 0; i < file.rows.size(); ++i)
            session.out() << i + 1 << '\t' << file.rows[i].added << '\t' << file.rows[i].address << '\n';
    }
};

class BansAddCommand : public CliCommand {
public:
    QStringList words() const override { return commandWords("bans", "add"); }
    QString summary() const override { return QStringLiteral("ban an address, dated today"); }
    QString argumentSyntax() const override { return QStringLiteral("ADDRESS"); }
    int minArguments() const override { return 1; }
    int maxArguments() const override { return 1; }

protected:
    void run(CliSession& session, const QCommandLineParser&, const QStringList& positional) override
    {
        BanFile file(session);
        if (!addBan(file.rows, positional[0], session.context().clock.now()))
            CliSession::fail(QStringLiteral("No address given"));
        file.save();
    }
};

class BansRemoveCommand : public CliCommand {
public:
    QStringList words() const override { return commandWords("bans", "remove"); }
    QString summary() const override { return QStringLiteral("remove ban entry N (counted from 1)"); }
    QString argumentSyntax() const override { return QStringLiteral("N"); }
    int minArguments() const override { return 1; }
    int maxArguments() const override { return 1; }

protected:
    void run(CliSession& session, const QCommandLineParser&, const QStringList& positional) override
    {
        BanFile file(session);
        file.rows.removeAt(entryIndex(positional[0], file.rows.size(), QStringLiteral("ban entry")));
        file.save();
    }
};

} // namespace

void addBanCommands(CommandList& commands)
{
    commands.push_back(std::make_unique<BansListCommand>());
    commands.push_back(std::make_unique<BansAddCommand>());
    commands.push_back(std::make_unique<BansRemoveCommand>());
}

} // namespace fw::cli
