#include "generate/ServerConfigWriter.h"

#include "generate/ConfigName.h"

#include "generate/BanListWriter.h"
#include "generate/GeneratedFileText.h"
#include "generate/MapList.h"
#include "generate/SavePathDialog.h"
#include "generate/ServerConfigLines.h"
#include "generate/WrittenFileViewer.h"
#include "profile/ListEditing.h"
#include "profile/ServerProfile.h"
#include "support/AppContext.h"
#include "support/errors/ErrorReporter.h"
#include "support/errors/SocketErrorMessages.h"
#include "support/files/AnsiTextFile.h"
#include "support/files/PathHelpers.h"
#include "support/platform/Prompter.h"

#include <QFileInfo>

namespace fw {

namespace {

// Keeps the busy state on from construction until done() or the end of the scope.
class BusyScope {
public:
    explicit BusyScope(const std::function<void(bool)>& setBusy)
        : m_setBusy(setBusy)
    {
        if (m_setBusy)
            m_setBusy(true);
    }
    ~BusyScope() { done(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

    void done()
    {
        if (m_setBusy && m_on)
            m_setBusy(false);
        m_on = false;
    }

private:
    const std::function<void(bool)>& m_setBusy;
    bool m_on = true;
};

void notify(const ConfigurationHooks& hooks, const QString& path)
{
    if (hooks.wroteFile)
        hooks.wroteFile(path);
}

// default.cfg and autoexec.cfg only have to exist; an existing one is left as it is.
void ensureHelperFiles(AppContext& ctx, const ConfigurationHooks& hooks)
{
    for (const QString& name : { QStringLiteral("default.cfg"), QStringLiteral("autoexec.cfg") }) {
        const QString path = ctx.mainFile(name);
        if (QFileInfo::exists(path))
            continue;
        writeAnsiLines(
            path, { QStringLiteral("//Blank file"), QStringLiteral("//prevents bogus fail message") });
        notify(hooks, path);
    }
}

QStringList existingAdditionalConfigs(const ServerProfile& profile)
{
    QStringList names;
    for (const AdditionalConfig& config : profile.configs) {
        if (isConfigPresent(config))
            names << config.name;
    }
    return names;
}

bool writeBanList(const ServerProfile& profile, AppContext& ctx, const ConfigurationHooks& hooks)
{
    if (profile.bans.isEmpty())
        return false;
    if (gbln_MakeBANList(profile, ctx)) {
        notify(hooks, ctx.mainFile(QStringLiteral("Banned.cfg")));
        return true;
    }
    ctx.prompter.warn(QStringLiteral("Unable to create Banned configuration") + kEightBlanks);
    return false;
}

void reportFailure(AppContext& ctx, const std::exception& e)
{
    const FortwrightError error = FortwrightError::fromStd(e);
    if (hasSocketErrorMessage(error.number()))
        ctx.prompter.warn(socketErrorMessage(error.number()) + kEightBlanks);
    else
        ctx.errors.report(QStringLiteral("::Code.CreateMOHAAConfiguration(Function)"), error);
}

} // namespace

bool CreateMOHAAConfiguration(const ServerProfile& profile, AppContext& ctx, bool exportMode,
    QString& configName, const ConfigurationHooks& hooks)
{
    BusyScope busy(hooks.setBusy);
    try {
        configName.replace(QLatin1Char(' '), QLatin1Char('_'));
        QString path;
        if (exportMode) {
            path = askSavePath(ctx.prompter, QStringLiteral("Save Configuration File"),
                QStringLiteral("Server Configuration File (*.cfg)|*.cfg"),
                addSlash(ctx.gamePath) + QStringLiteral("Main"));
            if (path.isEmpty())
                return true;
        } else {
            path = ctx.mainFile(configName.toLower());
        }

        ServerConfigInputs inputs;
        inputs.mapList = gstr_MakeMapList(profile.rotation);
        ensureHelperFiles(ctx, hooks);
        inputs.createdOnLine = createdOnLine(QStringLiteral("// "), ctx.clock);
        inputs.launch = gatherLaunchValues(profile);
        inputs.execNames = existingAdditionalConfigs(profile);
        inputs.banListWritten = writeBanList(profile, ctx, hooks);
        writeAnsiLines(path, serverConfigLines(profile, inputs));
        notify(hooks, path);

        if (exportMode) {
            busy.done();
            ctx.prompter.inform(
                QLatin1Char('\'') + configName + QStringLiteral("' has been created") + kEightBlanks);
            if (hooks.show == ShowWritten::Yes)
                showWrittenFile(ctx.services, path, NotepadFallback::DesktopOpen);
        } else if (hooks.launch) {
            hooks.launch(inputs.launch, profile, configName);
        }
        return true;
    } catch (const std::exception& e) {
        busy.done();
        reportFailure(ctx, e);
        return false;
    }
}

bool exportServerConfiguration(const ServerProfile& profile, AppContext& ctx, const ConfigurationHooks& hooks)
{
    std::optional<QString> fileName = exportConfigName(profile, ctx.prompter);
    if (!fileName)
        return false;
    if (CreateMOHAAConfiguration(profile, ctx, true, *fileName, hooks))
        return true;
    ctx.prompter.critical(QStringLiteral("Could not create server cfg!") + kEightBlanks);
    return false;
}

} // namespace fw
