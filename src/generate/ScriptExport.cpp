#include "generate/ScriptExport.h"

#include "generate/SavePathDialog.h"
#include "support/AppContext.h"
#include "support/errors/ErrorReporter.h"
#include "support/errors/FortwrightError.h"
#include "support/files/WholeFileBatch.h"

#include <QDir>
#include <QFile>

namespace fw {

namespace {

constexpr QFile::Permissions kRunnableByAll = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
    | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

} // namespace

bool exportScript(const ServerProfile& profile, AppContext& ctx, ShowWritten show, const ScriptExport& script)
{
    try {
        const std::optional<ScriptValues> values = scriptValues(profile, ctx.prompter, script.defaultPort);
        if (!values)
            return false;
        if (script.beforeDialog)
            script.beforeDialog(*values);
        const QString path
            = askSavePath(ctx.prompter, script.dialogTitle, script.dialogFilter, script.initialDir());
        if (path.isEmpty())
            return false;
        writeFileWhole(path, script.text(path, *values));
        if (script.executable && !QFile::setPermissions(path, kRunnableByAll))
            throw FortwrightError(RuntimeError::PermissionDenied, kExecutableName,
                QStringLiteral("Unable to make %1 executable").arg(QDir::toNativeSeparators(path)));
        script.saved(path);
        if (show == ShowWritten::Yes)
            showWrittenFile(ctx.services, path, NotepadFallback::Nothing);
        return true;
    } catch (const std::exception& e) {
        ctx.errors.report(script.failureLocation, e);
        return false;
    }
}

} // namespace fw
