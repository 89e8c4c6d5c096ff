#include "support/platform/Prompter.h"

#include <QStringList>

namespace fw {

std::optional<QString> Prompter::askText(const TextQuestion&)
{
    return std::nullopt;
}

void Prompter::inform(const QString& text, const QString& title)
{
    show({ text, title, MessageIcon::Information, MessageButtons::Ok, Answer::Ok });
}

void Prompter::warn(const QString& text, const QString& title)
{
    show({ text, title, MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok });
}

void Prompter::critical(const QString& text, const QString& title)
{
    show({ text, title, MessageIcon::Critical, MessageButtons::Ok, Answer::Ok });
}

void Prompter::plain(const QString& text, const QString& title)
{
    show({ text, title, MessageIcon::None, MessageButtons::Ok, Answer::Ok });
}

bool Prompter::confirm(const QString& text, const QString& title, MessageIcon icon, Answer defaultAnswer)
{
    return show({ text, title, icon, MessageButtons::YesNo, defaultAnswer }) == Answer::Yes;
}

Answer Prompter::abortRetryIgnore(const QString& text, const QString& title)
{
    return show({ text, title, MessageIcon::Critical, MessageButtons::AbortRetryIgnore, Answer::Abort });
}

QString messageLines(std::initializer_list<QString> lines)
{
    QStringList out;
    for (const QString& line : lines)
        out.append(line + kEightBlanks);
    return out.join(QStringLiteral("\r\n"));
}

} // namespace fw
