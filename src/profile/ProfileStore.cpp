#include "profile/ProfileStore.h"

#include "profile/ProfileFile.h"
#include "support/AppContext.h"
#include "support/files/PathHelpers.h"
#include "support/platform/CFileDialog.h"

namespace fw {
namespace {

QString chooseProfile(const AppContext& context, bool useDefault, bool open)
{
    if (useDefault)
        return defaultProfilePath(context);
    CFileDialog dialog(context.prompter);
    dialog.setDialogTitle(open ? kOpenProfileTitle : kSaveProfileTitle);
    dialog.setFilter(kProfileFilter);
    dialog.setDefaultExt(QStringLiteral("ini"));
    dialog.setFlags(open ? kOpenProfileFlags : kSaveProfileFlags);
    dialog.setInitialDir(gstr_CheckDir(context.dataDir, context.prompter) + kProfileFolderName);
    return dialog.Show(open) ? dialog.FileName() : QString();
}

} // namespace

QString defaultProfilePath(const AppContext& context)
{
    return gstr_CheckDir(context.dataDir, context.prompter) + kDefaultProfileName;
}

ProfileLoadOutcome LoadProfile(ServerProfile& profile, const AppContext& context, bool useDefault)
{
    ProfileLoadOutcome outcome;
    outcome.path = chooseProfile(context, useDefault, true);
    const ProfileReadResult read = ProfileFile::read(outcome.path, profile);
    outcome.fileRead = read.fileRead;
    outcome.resetCycleAvailable = read.resetCycleAvailable;
    return outcome;
}

ProfileSaveOutcome SaveProfile(const ServerProfile& profile, const AppContext& context, bool useDefault)
{
    ProfileSaveOutcome outcome;
    outcome.path = chooseProfile(context, useDefault, false);
    if (!outcome.path.isEmpty())
        outcome.written = ProfileFile::write(outcome.path, profile, &outcome.error);
    return outcome;
}

} // namespace fw
