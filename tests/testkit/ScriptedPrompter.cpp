#include "testkit/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace fw::test {

ScriptedPrompter::~ScriptedPrompter()
{
    EXPECT_TRUE(m_answers.isEmpty()) << m_answers.size() << " queued answer(s) were never asked for";
    EXPECT_TRUE(m_paths.isEmpty()) << m_paths.size() << " queued file choice(s) were never asked for";
}

ScriptedPrompter& ScriptedPrompter::answer(Answer a)
{
    m_answers.enqueue(a);
    return *this;
}

ScriptedPrompter& ScriptedPrompter::choose(const QString& path)
{
    m_paths.enqueue(path);
    return *this;
}

Answer ScriptedPrompter::show(const MessageBox& box)
{
    m_boxes.append(box);
    if (box.buttons == MessageButtons::Ok)
        return Answer::Ok;
    if (m_answers.isEmpty()) {
        ADD_FAILURE() << "Unexpected question: " << box.text.toStdString();
        return box.buttons == MessageButtons::YesNo ? Answer::No : Answer::Abort;
    }
    return m_answers.dequeue();
}

QString ScriptedPrompter::chooseFile(const FileDialogRequest& request)
{
    m_dialogs.append(request);
    if (m_paths.isEmpty()) {
        ADD_FAILURE() << "Unexpected file dialog: " << request.title.toStdString();
        return {};
    }
    return m_paths.dequeue();
}

QStringList ScriptedPrompter::texts() const
{
    QStringList out;
    for (const MessageBox& box : m_boxes)
        out.append(box.text);
    return out;
}

void ScriptedPrompter::clear()
{
    m_boxes.clear();
    m_dialogs.clear();
}

} // namespace fw::test
