#pragma once

#include <QFrame>

class QLabel;

namespace fw {

// The strip above the tabs: the program's name, a "Warning Please Read" panel, and the link to
// the author's page, which appears once the pointer moves over the strip.
class HeaderPanel : public QFrame {
    Q_OBJECT
public:
    explicit HeaderPanel(QWidget* parent = nullptr);

    QLabel* homeLink() const { return m_home; }
    QLabel* warningPanel() const { return m_warning; }

    // The q3config warning, five lines each followed by eight blanks.
    static QString warningText();

signals:
    void warningClicked();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showWarningColour();

    QLabel* m_warning;
    QLabel* m_home;
};

} // namespace fw
