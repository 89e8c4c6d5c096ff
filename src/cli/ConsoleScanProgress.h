#pragma once

#include "maps/ScanProgress.h"

#include <QTextStream>

namespace fw::cli {

class ConsolePrompter;

// The scan's progress on the command line: one status line, rewritten as each file is reached,
// when standard error is a terminal; nothing at all when it is not (a script's log stays clean).
class ConsoleScanProgress : public ScanProgress {
public:
    // No prompter: silent.
    explicit ConsoleScanProgress(ConsolePrompter* terminal);

    void show() override { }
    void setMaximum(int maximum) override { m_maximum = maximum; }
    void setValue(int value) override;
    void setCurrentFile(const QString& text) override;
    void hide() override;

private:
    void update();

    ConsolePrompter* m_terminal;
    int m_maximum = 0;
    int m_value = 0;
    QString m_file;
};

// True when the stream writes to a terminal rather than to a file, a pipe or a string.
bool writesToTerminal(const QTextStream& stream);

} // namespace fw::cli
