#pragma once

#include "support/platform/CFileDialog.h"

#include <QString>

namespace fw {

struct AppContext;
class ServerProfile;

inline const QString kDefaultProfileName = QStringLiteral("Default.ini");
inline const QString kProfileFolderName = QStringLiteral("Fortwright Configs");
inline const QString kProfileFilter = QStringLiteral("Fortwright Configuration (*.ini)|*.ini");
inline const QString kSaveProfileTitle = QStringLiteral("Save Fortwright configuration file");
inline const QString kOpenProfileTitle = QStringLiteral("Open Fortwright configuration file");
inline constexpr qint32 kSaveProfileFlags
    = FileDialogFlag::Explorer | FileDialogFlag::CreatePrompt | FileDialogFlag::OverwritePrompt;
inline constexpr qint32 kOpenProfileFlags = FileDialogFlag::Explorer | FileDialogFlag::FileMustExist;

struct ProfileLoadOutcome {
    QString path; // empty when the dialog was cancelled
    bool fileRead = false;
    bool resetCycleAvailable = false; // meaningful only when fileRead
};

struct ProfileSaveOutcome {
    QString path; // empty when the dialog was cancelled
    bool written = false;
    QString error; // why a chosen file could not be written
};

// Default.ini in the data folder (made to exist, as the program folder always does).
QString defaultProfilePath(const AppContext& context);

// Reads Default.ini (useDefault) or a profile chosen in the open dialog into profile. A missing
// file or a cancelled dialog changes nothing and says nothing.
ProfileLoadOutcome LoadProfile(ServerProfile& profile, const AppContext& context, bool useDefault);
// Writes profile to Default.ini (useDefault) or to a file chosen in the save dialog. A cancelled
// dialog writes nothing; a failed write leaves any old file as it was.
ProfileSaveOutcome SaveProfile(const ServerProfile& profile, const AppContext& context, bool useDefault);

} // namespace fw
