#pragma once

#include "support/platform/Prompter.h"

#include <QList>
#include <QQueue>
#include <ostream>

namespace fw {

// Whole comparisons of what a test saw, printed field by field when they differ.
bool operator==(const MessageBox& a, const MessageBox& b);
bool operator==(const FileDialogRequest& a, const FileDialogRequest& b);
void PrintTo(const MessageBox& box, std::ostream* os);
void PrintTo(const FileDialogRequest& dialog, std::ostream* os);

namespace test {

using Boxes = QList<MessageBox>;
using Dialogs = QList<FileDialogRequest>;

// The boxes of the prompter's own helpers, OK only, to compare a recording with.
inline MessageBox infoBox(const QString& text, const QString& title = kAppTitle)
{
    return { text, title, MessageIcon::Information };
}
inline MessageBox warningBox(const QString& text, const QString& title = kAppTitle)
{
    return { text, title, MessageIcon::Exclamation };
}
inline MessageBox criticalBox(const QString& text, const QString& title = kAppTitle)
{
    return { text, title, MessageIcon::Critical };
}
// A Yes/No question with Yes as its default.
inline MessageBox question(const QString& text)
{
    return { text, kAppTitle, MessageIcon::Question, MessageButtons::YesNo, Answer::Yes };
}

// Records every box and dialog, and answers from queues. A question or dialog with no queued
// answer fails the running test; OK-only boxes are answered OK.
class ScriptedPrompter : public Prompter {
public:
    ~ScriptedPrompter() override;

    ScriptedPrompter& answer(Answer a);
    // The path a file dialog returns; an empty text cancels it.
    ScriptedPrompter& choose(const QString& path);
    // The line a text question returns; nothing cancels it.
    ScriptedPrompter& type(std::optional<QString> text);

    Answer show(const MessageBox& box) override;
    QString chooseFile(const FileDialogRequest& request) override;
    std::optional<QString> askText(const TextQuestion& question) override;

    const Boxes& boxes() const { return m_boxes; }
    const Dialogs& dialogs() const { return m_dialogs; }
    const QList<TextQuestion>& textQuestions() const { return m_textQuestions; }
    QStringList texts() const;
    void clear();

private:
    QQueue<Answer> m_answers;
    QQueue<QString> m_paths;
    QQueue<std::optional<QString>> m_typed;
    QList<TextQuestion> m_textQuestions;
    Boxes m_boxes;
    Dialogs m_dialogs;
};

} // namespace test
} // namespace fw
