#pragma once

#include "generate/ScriptValues.h"
#include "generate/WrittenFileViewer.h"

#include <QByteArray>
#include <functional>

namespace fw {

class ServerProfile;
struct AppContext;

// What sets the batch file and the shell script apart; the steps around them are the same.
struct ScriptExport {
    QString defaultPort;
    QString failureLocation; // where the error report says a failure came from
    QString dialogTitle;
    QString dialogFilter;
    std::function<QString()> initialDir;
    std::function<void(const ScriptValues&)> beforeDialog; // may be empty
    std::function<QByteArray(const QString& path, const ScriptValues&)> text;
    std::function<void(const QString& path)> saved;
    bool executable = false; // saved runnable by everyone, writable by its owner
};

// Checks the name, asks for the path, writes the file whole, says so and shows it. False when
// nothing was written (a refused name, a cancelled dialog or a reported failure).
bool exportScript(
    const ServerProfile& profile, AppContext& ctx, ShowWritten show, const ScriptExport& script);

} // namespace fw
