#include "app/FrmCheck.h"

#include "app/FindingLook.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace fw {

FrmCheck::FrmCheck(Describe describe, QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , m_describe(std::move(describe))
    , m_summary(new QLabel)
    , m_list(new QListWidget)
{
    setObjectName(QStringLiteral("frmCheck"));
    setWindowTitle(QStringLiteral("Pre-flight Check"));
    m_summary->setObjectName(QStringLiteral("lblCheckSummary"));
    m_summary->setWordWrap(true);
    m_list->setObjectName(QStringLiteral("lstFindings"));
    m_list->setWordWrap(true);
    m_list->setUniformItemSizes(false);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setAlternatingRowColors(true);
    m_list->setIconSize(QSize(24, 24));
    m_list->setSpacing(2);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto go = [this](QListWidgetItem* item) {
        const int index = m_list->row(item);
        if (index >= 0 && index < m_findings.size())
            emit placeRequested(m_findings[index].place);
    };
    connect(m_list, &QListWidget::itemClicked, this, go);
    connect(m_list, &QListWidget::itemActivated, this, go);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_list, 1);
    resize(560, 360);
}

void FrmCheck::showFindings(const QList<Finding>& findings)
{
    m_findings = findings;
    const QString count = findingCountText(findings);
    m_summary->setText(count.isEmpty()
            ? QStringLiteral("Nothing to report: the server will read these settings as they are.")
            : count + QStringLiteral(". Click a row to go to its field."));
    m_list->clear();
    for (const Finding& finding : findings) {
        const QString place = m_describe ? m_describe(finding.place) : placeName(finding.place);
        auto* item = new QListWidgetItem(severityIcon(*style(), finding.severity),
            place + QLatin1Char('\n') + finding.what + QStringLiteral("\n\u2192 ") + finding.fix);
        item->setToolTip(severityName(finding.severity) + QStringLiteral(": ") + finding.what
            + QLatin1Char('\n') + finding.fix);
        m_list->addItem(item);
    }
}

void FrmCheck::placeBeside(const QWidget& window)
{
    const QRect main = window.frameGeometry();
    const QScreen* screen = window.screen();
    const QRect area = screen ? screen->availableGeometry() : main;
    QSize size = this->size();
    // Right of the main window where the screen has room, else against the screen's right edge,
    // covering as little of the fields a row leads to as it can.
    QPoint at(main.right() + 8, main.top());
    if (at.x() + size.width() > area.right())
        at.setX(std::max(area.left(), area.right() - size.width()));
    size.setHeight(std::min(size.height(), area.height()));
    at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - size.height())));
    resize(size);
    move(at);
}

void FrmCheck::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit closedByUser();
}

} // namespace fw
