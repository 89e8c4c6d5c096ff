#include "testkit/ScriptedPrompter.h"

#include <gtest/gtest.h>
#include <tuple>

namespace fw {

bool operator==(const MessageBox& a, const MessageBox& b)
{
    return std::tie(a.text, a.title, a.icon, a.buttons, a.defaultAnswer)
        == std::tie(b.text, b.title, b.icon, b.buttons, b.defaultAnswer);
}

bool operator==(const FileDialogRequest& a, const FileDialogRequest& b)
{
    return std::tie(a.open, a.title, a.filter, a.initialDir, a.fileName, a.defaultExt, a.flags, a.filterIndex)
        == std::tie(
            b.open, b.title, b.filter, b.initialDir, b.fileName, b.defaultExt, b.flags, b.filterIndex);
}

void PrintTo(const MessageBox& b, std::ostream* os)
{
    *os << "{\"" << b.text.toStdString() << "\" \"" << b.title.toStdString() << "\" icon " << int(b.icon)
        << " buttons " << int(b.buttons) << " default " << int(b.defaultAnswer) << '}';
}

void PrintTo(const FileDialogRequest& d, std::ostream* os)
{
    *os << '{' << (d.open ? "open" : "save") << " \"" << d.title.toStdString() << "\" \""
        << d.filter.toStdString() << "\" in \"" << d.initialDir.toStdString() << "\" name \""
        << d.fileName.toStdString() << "\" ext \"" << d.defaultExt.toStdString() << "\" flags 0x" << std::hex
        << d.flags << std::dec << " index " << d.filterIndex << '}';
}

namespace test {

ScriptedPrompter::~ScriptedPrompter()
{
    EXPECT_TRUE(m_answers.isEmpty()) << m_answers.size() << " queued answer(s) were never asked for";
    EXPECT_TRUE(m_paths.isEmpty()) << m_paths.size() << " queued file choice(s) were never asked for";
    EXPECT_TRUE(m_typed.isEmpty()) << m_typed.size() << " queued typed line(s) were never asked for";
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

ScriptedPrompter& ScriptedPrompter::type(std::optional<QString> text)
{
    m_typed.enqueue(std::move(text));
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

std::optional<QString> ScriptedPrompter::askText(const TextQuestion& question)
{
    m_textQuestions.append(question);
    if (m_typed.isEmpty()) {
        ADD_FAILURE() << "Unexpected text question: " << question.text.toStdString();
        return std::nullopt;
    }
    return m_typed.dequeue();
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
    m_textQuestions.clear();
}

} // namespace test
} // namespace fw
