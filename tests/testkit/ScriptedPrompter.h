#pragma once

#include "support/platform/Prompter.h"

#include <QList>
#include <QQueue>

namespace fw::test {

// Records every box and dialog, and answers from queues. A question or dialog with no queued
// answer fails the running test; OK-only boxes are answered OK.
class ScriptedPrompter : public Prompter {
public:
    ~ScriptedPrompter() override;

    ScriptedPrompter& answer(Answer a);
    // The path a file dialog returns; an empty text cancels it.
    ScriptedPrompter& choose(const QString& path);

    Answer show(const MessageBox& box) override;
    QString chooseFile(const FileDialogRequest& request) override;

    const QList<MessageBox>& boxes() const { return m_boxes; }
    const QList<FileDialogRequest>& dialogs() const { return m_dialogs; }
    QStringList texts() const;
    void clear();

private:
    QQueue<Answer> m_answers;
    QQueue<QString> m_paths;
    QList<MessageBox> m_boxes;
    QList<FileDialogRequest> m_dialogs;
};

} // namespace fw::test
