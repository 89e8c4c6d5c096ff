#pragma once

#include "check/PreflightCheck.h"

#include <QWidget>
#include <functional>

class QLabel;
class QListWidget;

namespace fw {

// The pre-flight check's list: one row per finding with its severity's icon, where it is, what
// the server will do and what to do. Clicking or activating a row asks to go to its place.
class FrmCheck : public QWidget {
    Q_OBJECT
public:
    using Describe = std::function<QString(const FindingPlace&)>;
    FrmCheck(Describe describe, QWidget* parent);

    void showFindings(const QList<Finding>& findings);
    // Places the window beside the main window, on the screen.
    void placeBeside(const QWidget& window);
    QListWidget* list() const { return m_list; }

signals:
    void placeRequested(const fw::FindingPlace& place);
    void closedByUser();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Describe m_describe;
    QLabel* m_summary;
    QListWidget* m_list;
    QList<Finding> m_findings;
};

} // namespace fw
