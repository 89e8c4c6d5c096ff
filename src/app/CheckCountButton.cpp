#include "app/CheckCountButton.h"

#include "app/FindingLook.h"

namespace fw {

CheckCountButton::CheckCountButton(QWidget* parent)
    : QToolButton(parent)
{
    setObjectName(QStringLiteral("cmdCheckCount"));
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setAutoRaise(true);
    setIconSize(QSize(16, 16));
    setCursor(Qt::PointingHandCursor);
    hide();
}

void CheckCountButton::showFindings(const QList<Finding>& findings)
{
    if (findings.isEmpty()) {
        hide();
        return;
    }
    // Findings come most serious first.
    setIcon(severityIcon(*style(), findings.first().severity));
    const QString count = findingCountText(findings);
    setText(count);
    QString tip = QStringLiteral("Pre-flight check: ") + count + QStringLiteral(".");
    if (hasDanger(findings))
        tip += QStringLiteral("\nRun and Export Config will ask before they write.");
    setToolTip(tip + QStringLiteral("\nClick to see what the server will do."));
    show();
}

} // namespace fw
