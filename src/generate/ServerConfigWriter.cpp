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
#include "support/files/GameTree.h"
#include "support/files/PathHelpers.h"
#include "support/files/WholeFileBatch.h"
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

} // namespace

void reportConfigurationFailure(AppContext& ctx, const std::exception& error)
{
    const FortwrightError failure = FortwrightError::fromStd(error);
    if (hasSocketErrorMessage(failure.number()))
        ctx.prompter.warn(socketErrorMessage(failure.number()) + kEightBlanks);
    else
        ctx.errors.report(QStringLiteral("::Code.CreateMOHAAConfiguration(Function)"), failure);
}

std::optional<WrittenConfiguration> CreateMOHAAConfiguration(const ServerProfile& profile, AppContext& ctx,
    ConfigurationTarget target, const QString& configName, const ConfigurationHooks& hooks)
{
    const bool exporting = target == ConfigurationTarget::AskedPath;
    BusyScope busy(hooks.setBusy);
    try {
        WrittenConfiguration written;
        written.configName = QString(configName).replace(QLatin1Char(' '), QLatin1Char('_'));
        if (exporting) {
            written.path = askSavePath(ctx.prompter, QStringLiteral("Save Configuration File"),
                QStringLiteral("Server Configuration File (*.cfg)|*.cfg"),
                addSlash(ctx.gamePath) + mainFolderName(ctx.gamePath));
            if (written.path.isEmpty())
                return written;
        } else {
            written.path = ctx.mainFile(written.configName.toLower());
        }

        ServerConfigInputs inputs;
        inputs.mapList = gstr_MakeMapList(profile.rotation);
        ensureHelperFiles(ctx, hooks);
        inputs.createdOnLine = createdOnLine(QStringLiteral("// "), ctx.clock);
        inputs.launch = gatherLaunchValues(profile);
        // The ban list is written while the configuration is, so a configuration that cannot
        // be created leaves it as it was: its own file is opened first.
        StagedFile configuration(written.path);
        inputs.execNames = existingAdditionalConfigs(profile);
        inputs.banListWritten = writeBanList(profile, ctx, hooks);
        configuration.write(AnsiTextBuilder().lines(serverConfigLines(profile, inputs)).bytes());
        configuration.commit();
        notify(hooks, written.path);
        written.launch = inputs.launch;

        if (exporting) {
            busy.done();
            ctx.prompter.inform(
                QLatin1Char('\'') + written.configName + QStringLiteral("' has been created") + kEightBlanks);
            if (hooks.show == ShowWritten::Yes)
                showWrittenFile(ctx.services, written.path, NotepadFallback::DesktopOpen);
        }
        return written;
    } catch (const std::exception& e) {
        busy.done();
        reportConfigurationFailure(ctx, e);
        return std::nullopt;
    }
}

bool exportServerConfiguration(const ServerProfile& profile, AppContext& ctx, const ConfigurationHooks& hooks)
{
    std::optional<QString> fileName = exportConfigName(profile, ctx.prompter);
    if (!fileName)
        return false;
    if (CreateMOHAAConfiguration(profile, ctx, ConfigurationTarget::AskedPath, *fileName, hooks))
        return true;
    ctx.prompter.critical(QStringLiteral("Could not create server cfg!") + kEightBlanks);
    return false;
}

} // namespace fw
