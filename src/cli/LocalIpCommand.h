#pragma once

#include "cli/CliCommand.h"

namespace fw::cli {

// local-ip: this computer's address as the window's "Get Local I.P" finds it.
class LocalIpCommand : public CliCommand {
public:
    QStringList words() const override { return { QStringLiteral("local-ip") }; }
    bool onlyReadsData() const override { return true; }
    QString summary() const override;

protected:
    void run(CliSession& session, const QCommandLineParser& parser, const QStringList& positional) override;
};

} // namespace fw::cli
