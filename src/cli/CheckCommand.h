#pragma once

#include "cli/CliCommand.h"

namespace fw::cli {

// check: the pre-flight findings of a profile, one line each; exit 1 when one is a danger.
class CheckCommand : public CliCommand {
public:
    QStringList words() const override { return { QStringLiteral("check") }; }
    bool onlyReadsData() const override { return true; }
    QString summary() const override;
    QString usageNote() const override;
    QList<QCommandLineOption> options() const override { return { profileOption() }; }

protected:
    void run(CliSession& session, const QCommandLineParser& parser, const QStringList& positional) override;
};

} // namespace fw::cli
