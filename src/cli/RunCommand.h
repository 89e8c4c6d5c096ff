#pragma once

#include "cli/CliCommand.h"

namespace fw::cli {

// run: the window's Run, headless. With messaging on it keeps sending the timed messages,
// printing each datagram, until interrupted (or for --seconds N).
class RunCommand : public CliCommand {
public:
    QStringList words() const override { return { QStringLiteral("run") }; }
    QString summary() const override;
    QString usageNote() const override;
    QList<QCommandLineOption> options() const override;

protected:
    void run(CliSession& session, const QCommandLineParser& parser, const QStringList& positional) override;
};

} // namespace fw::cli
