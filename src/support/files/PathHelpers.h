#pragma once

#include <QString>

namespace fw {

class Prompter;

// True for both separators: paths written by hand on either system are split the same way.
bool isPathSeparator(QChar c);

// Appends the native separator when path does not end in one; changes the caller's variable too.
QString gstr_AddSlash(QString& path);
QString addSlash(QString path);

// Creates the folder (one level) when missing and returns it ending in a separator. When the
// folder cannot be made it shows "Error in gstr_CheckDir" and returns path unchanged.
QString gstr_CheckDir(const QString& path, Prompter& prompter);

// The path up to and including its last separator; empty when it has none.
QString GetPathPart(const QString& path);
// The text after the last separator; the whole path when it has none.
QString GetNamePart(const QString& path);

// The eight characters a configuration name may not hold.
inline const QString kForbiddenNameCharacters = QStringLiteral("\\/:*?<>|");
// And those a shell or the server's command line would interpret (besides "|" above).
inline const QString kCommandLineCharacters = QStringLiteral(";&$`\"'");
// False (after its message box) when name holds one of the forbidden characters.
bool gbln_CheckConfigName(const QString& name, Prompter& prompter);

// The configuration file name of Run and the export command: ".cfg" appended unless the name
// already ends in it (any case).
QString configFileName(const QString& trimmedName);

} // namespace fw
