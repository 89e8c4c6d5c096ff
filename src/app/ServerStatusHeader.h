#pragma once

#include <QDateTime>
#include <QFrame>

class QLabel;

namespace fw {

struct ServerSummary;

// The head of the console's rcon side: the server's name, then its map, players and game type as
// its last getstatus answer gave them, and when that answer came, or "no answer" in a warning
// colour that reads on light and dark palettes alike.
class ServerStatusHeader : public QFrame {
    Q_OBJECT
public:
    explicit ServerStatusHeader(QWidget* parent = nullptr);

    // Before any answer from this target: whom it is waiting for.
    void showWaiting(const QString& address);
    // gameType as people read it (gameTypeName).
    void showSummary(const ServerSummary& summary, const QString& gameType, const QString& answeredAt);
    // What was shown stays, marked as old, and message says why in a tooltip; before any answer
    // the message is shown in full.
    void showNoAnswer(const QString& message);

protected:
    bool event(QEvent* event) override;

private:
    void showAnswerColour();

    QLabel* m_name;
    QLabel* m_details;
    QLabel* m_answer;
    QString m_answeredAt;
    bool m_answered = false;
};

} // namespace fw
