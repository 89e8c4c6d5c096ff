#pragma once

#include <QLineEdit>
#include <QStringList>

namespace fw {

// A command line that remembers what was entered: Return hands the line on and empties the field,
// Up and Down step through the earlier lines, and stepping down past the newest brings back what
// was being typed.
class CommandHistoryEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CommandHistoryEdit(QWidget* parent = nullptr);

    const QStringList& history() const { return m_history; }

signals:
    void commandEntered(const QString& line);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void enter();
    void step(int direction);

    QStringList m_history;
    qsizetype m_position = 0; // m_history.size() while on the line being typed
    QString m_draft;
};

} // namespace fw
