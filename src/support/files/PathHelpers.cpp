#include "support/files/PathHelpers.h"

#include "support/platform/Prompter.h"

#include <QDir>
#include <QFileInfo>

namespace fw {

bool isPathSeparator(QChar c)
{
    return c == QLatin1Char('\\') || c == QLatin1Char('/');
}

QString gstr_AddSlash(QString& path)
{
    if (path.isEmpty() || !isPathSeparator(path.back()))
        path.append(QDir::separator());
    return path;
}

QString addSlash(QString path)
{
    return gstr_AddSlash(path);
}

QString gstr_CheckDir(const QString& path, Prompter& prompter)
{
    QFileInfo info(path);
    if (!info.isDir()) {
        QString description;
        if (info.exists())
            description = QStringLiteral("Path/File access error");
        else if (!QDir().mkdir(path))
            description = QStringLiteral("Path not found");
        if (!description.isEmpty()) {
            prompter.warn(description, QStringLiteral("Error in gstr_CheckDir"));
            return path;
        }
    }
    return addSlash(path);
}

QString GetPathPart(const QString& path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (isPathSeparator(path.at(i)))
            return path.left(i + 1);
    }
    return {};
}

QString GetNamePart(const QString& path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (isPathSeparator(path.at(i)))
            return path.mid(i + 1);
    }
    return path;
}

bool gbln_CheckConfigName(const QString& name, Prompter& prompter)
{
    for (const QChar c : name) {
        if (kForbiddenNameCharacters.contains(c)) {
            prompter.warn(QStringLiteral("Invalid config name, you cannot use ") + kForbiddenNameCharacters
                + QStringLiteral(" in a config name") + kEightBlanks);
            return false;
        }
    }
    // The name goes on to the server's command line and into the shell script: nothing in it
    // may be read as a command.
    for (const QChar c : name) {
        if (kCommandLineCharacters.contains(c) || c.unicode() < 0x20 || c.unicode() == 0x7F) {
            prompter.warn(QStringLiteral("Invalid config name, you cannot use ") + kCommandLineCharacters
                + QStringLiteral(" or control characters in a config name: the server's command line "
                                 "would take them as commands")
                + kEightBlanks);
            return false;
        }
    }
    return true;
}

QString configFileName(const QString& trimmedName)
{
    if (trimmedName.size() >= 4 && trimmedName.right(4).toLower() == QLatin1String(".cfg"))
        return trimmedName;
    return trimmedName + QStringLiteral(".cfg");
}

} // namespace fw
