#include "check/CheckRules.h"

#include "check/EngineLimits.h"
#include "profile/ServerProfile.h"
#include "support/text/NumericText.h"

#include <algorithm>

namespace fw {

namespace {

bool messagingOn(const ServerProfile& profile)
{
    return leadingNumber(profile.text(SettingGroup::txtSeverMessageTime)) > 0;
}

// A line as meant and as players see it after the server's say: a line wholly in double quotes
// keeps its "//" and its blanks; otherwise everything after the first "//" goes, quotes go and
// blanks collapse. "%" becomes "." either way.
struct SaidLine {
    QString meant;
    QString seen;
    bool cut = false;
};

SaidLine said(const QString& line)
{
    const QString trimmed = line.trimmed();
    SaidLine out;
    if (trimmed.size() >= 2 && trimmed.startsWith(u'"') && trimmed.endsWith(u'"')) {
        out.meant = trimmed.mid(1, trimmed.size() - 2);
        out.seen = out.meant;
    } else {
        out.meant = line.simplified();
        const qsizetype comment = line.indexOf(QLatin1String("//"));
        out.cut = comment >= 0;
        out.seen = QString(out.cut ? line.left(comment) : line).remove(u'"').simplified();
    }
    out.seen.replace(u'%', u'.');
    return out;
}

void sayChanges(const RuleInput& in, QList<Finding>& out)
{
    const QStringList lines = in.profile.message.split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        const SaidLine line = said(lines[i]);
        if (line.seen == line.meant)
            continue;
        out << Finding { Severity::Warning, { FindingPlace::Kind::Message, {}, int(i) },
            QStringLiteral("The server's say changes message line %1: players will see: %2")
                .arg(i + 1)
                .arg(line.seen),
            line.cut ? QStringLiteral("Put the whole line in double quotes to keep its // and its blanks.")
                     : QStringLiteral("Leave out \" and % (a % shows as a dot).") };
    }
}

void sayTooLong(const RuleInput& in, QList<Finding>& out)
{
    const QString password = in.profile.text(field::RconPassword).trimmed();
    const qsizetype head = QStringLiteral("rcon  say ").size() + password.size();
    const QStringList lines = in.profile.message.split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (head + lines[i].size() <= engine::kCommandLimit)
            continue;
        const qsizetype kept = std::max<qsizetype>(0, engine::kCommandLimit - head);
        out << Finding { Severity::Warning, { FindingPlace::Kind::Message, {}, int(i) },
            QStringLiteral("Message line %1 makes an rcon command of %2 characters and the server keeps the "
                           "first %3: players will see it end at \"%4\"")
                .arg(i + 1)
                .arg(head + lines[i].size())
                .arg(engine::kCommandLimit)
                .arg(lines[i].left(kept).right(20)),
            QStringLiteral("Split the line into shorter ones.") };
    }
}

void sayOutsideAscii(const RuleInput& in, QList<Finding>& out)
{
    const QStringList lines = in.profile.message.split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString shown;
        for (QChar c : lines[i]) {
            if (c.unicode() > 0x7e && !shown.contains(c))
                shown += c;
        }
        if (shown.isEmpty())
            continue;
        out << Finding { Severity::Note, { FindingPlace::Kind::Message, {}, int(i) },
            QStringLiteral("Message line %1 holds %2, which players may see as a dot").arg(i + 1).arg(shown),
            QStringLiteral("Use plain ASCII letters where it matters.") };
    }
}

void rconPasswordEnds(const RuleInput& in, QList<Finding>& out)
{
    const QString password = in.profile.text(field::RconPassword);
    if (password == password.trimmed())
        return;
    out << fieldFinding(Severity::Warning, field::RconPassword,
        QStringLiteral("Rcon Pass has a blank at its start or end: the configuration sets it with the blank "
                       "but the timed messages send it without, so the server refuses every one with "
                       "\"Bad rconpassword.\""),
        QStringLiteral("Remove the blanks at its ends."));
}

void rconPasswordCharacters(const RuleInput& in, QList<Finding>& out)
{
    const QString password = in.profile.text(field::RconPassword).trimmed();
    QStringList held;
    if (password.contains(u'%'))
        held << QStringLiteral("a %");
    if (password.contains(u'"'))
        held << QStringLiteral("a double quote");
    if (password.contains(QLatin1String("//")))
        held << QStringLiteral("//");
    if (std::any_of(password.cbegin(), password.cend(), [](QChar c) { return c.isSpace(); }))
        held << QStringLiteral("a blank");
    if (held.isEmpty())
        return;
    out << fieldFinding(Severity::Warning, field::RconPassword,
        QStringLiteral("Rcon Pass holds %1: an rcon command reads the password as one word, turns % into . "
                       "and drops what follows //, so the password never matches and rcon and the timed "
                       "messages are refused with \"Bad rconpassword.\"")
            .arg(held.join(QStringLiteral(" and "))),
        QStringLiteral("Use a password of letters, digits and plain punctuation."));
}

void messagesWithoutPassword(const RuleInput& in, QList<Finding>& out)
{
    if (!messagingOn(in.profile) || in.profile.message.trimmed().isEmpty()
        || !in.profile.text(field::RconPassword).trimmed().isEmpty())
        return;
    out << fieldFinding(Severity::Warning, field::RconPassword,
        QStringLiteral("The timed messages are sent with no rcon password: the server answers \"No "
                       "rconpassword set on the server.\" and players see nothing"),
        QStringLiteral("Type an rcon password."));
}

} // namespace

QList<CheckRule> messageRules()
{
    return { sayChanges, sayTooLong, sayOutsideAscii, rconPasswordEnds, rconPasswordCharacters,
        messagesWithoutPassword };
}

} // namespace fw
