#pragma once

#include "server/rcon/RconTarget.h"

#include <QByteArray>
#include <QString>

namespace fw {

// What became of one command or query.
struct RconReply {
    enum class Outcome {
        Answered, // text holds the server's answer
        NoAnswer, // nothing came back within the timeout
        Refused, // the server refused the password (or has none)
        NotSent, // the command was refused before sending, or the socket failed
    };

    quint64 id = 0;
    // What was asked, as the user may see it: never the password.
    QString request;
    Outcome outcome = Outcome::NotSent;
    // The joined text of the answer (also for a refusal, as the server said it).
    QString text;
    // For anything but Answered: the message for the user.
    QString message;

    bool ok() const { return outcome == Outcome::Answered; }
};

// The message for a request that found no answer.
QString noAnswerMessage(const RconTarget& target, int timeoutMs);
// The message for the server's refusal text, empty when the text is no refusal.
QString refusalMessage(const QString& text);

// Joins the datagrams of one answer in the order they came: each loses its four 0xFF bytes, the
// optional 0x01 and its "print\n" head. A query's answer is one datagram and complete at once.
class ReplyAssembler {
public:
    explicit ReplyAssembler(bool isQuery = false)
        : m_isQuery(isQuery)
    {
    }

    // False for a datagram that is no out-of-band reply (it is left out).
    bool add(const QByteArray& datagram);
    bool hasAny() const { return m_count > 0; }
    // Whether more cannot follow: a query's answer, or a refused password.
    bool isComplete() const;
    QString text() const { return m_text; }

private:
    bool m_isQuery;
    int m_count = 0;
    QString m_text;
};

} // namespace fw
