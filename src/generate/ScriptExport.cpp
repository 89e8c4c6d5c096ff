#include "generate/ScriptExport.h"

#include "generate/SavePathDialog.h"
#include "support/AppContext.h"
#include "support/errors/ErrorReporter.h"
#include "support/files/WholeFileBatch.h"

namespace fw {

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
