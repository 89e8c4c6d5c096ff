#pragma once

#include "support/platform/Prompter.h"

#include <QQueue>
#include <QTextStream>

namespace fw::cli {

// The command line's stand-in for message boxes and dialogs: a box's text goes to standard
// error (trailing blanks of each line removed), followed by ": " and its title when the title
// says why; questions are answered Yes, since a command
// runs only when the user asked for it; a file dialog returns the path given on the command
// line (--out) or counts as cancelled.
class ConsolePrompter : public Prompter {
public:
    explicit ConsolePrompter(QTextStream& err);

    void presetFile(const QString& path) { m_files.enqueue(path); }

    // A status line on a terminal, rewritten in place (the cursor stays at its end); the next
    // box clears it first so that the box's text starts a line of its own.
    void showStatus(const QString& text);
    void clearStatus();

    Answer show(const MessageBox& box) override;
    QString chooseFile(const FileDialogRequest& request) override;

    // Each line of text with its trailing blanks removed.
    static QString consoleText(const QString& text);

private:
    QTextStream& m_err;
    QQueue<QString> m_files;
    qsizetype m_statusWidth = 0;
};

} // namespace fw::cli
