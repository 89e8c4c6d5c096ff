#pragma once

#include <QPlainTextEdit>
#include <QStringList>
#include <QTimer>

namespace fw {

// The server's output as the console shows it: read-only, the last 10,000 lines. Lines arrive in
// any number and are shown in batches a few times a second, so that a server printing as fast as
// it can never holds up the window. The view keeps to the newest line unless the user has
// scrolled up to read.
class ConsoleOutputView : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int kMaxLines = 10000;

    explicit ConsoleOutputView(QWidget* parent = nullptr);

    void appendLines(const QStringList& lines);
    // Shows what is waiting now rather than at the next batch.
    void flush();

private:
    void dropOldest(qsizetype lines);

    QStringList m_pending;
    QTimer m_batch;
    bool m_following = true; // at the newest line, until the user scrolls up
};

} // namespace fw
