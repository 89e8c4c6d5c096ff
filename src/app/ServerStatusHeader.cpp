#include "app/ServerStatusHeader.h"

#include "app/ReadableColour.h"
#include "server/rcon/ServerSummary.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>

namespace fw {
namespace {

const QColor kWarning(0xb0, 0x3a, 0x00);
const QString kSeparator = QStringLiteral("  \u00b7  ");

QString playersText(const ServerSummary& summary)
{
    const QString max = summary.maxPlayers <= 0 ? QStringLiteral("?") : QString::number(summary.maxPlayers);
    return QStringLiteral("%1/%2 players").arg(summary.players).arg(max);
}

} // namespace

ServerStatusHeader::ServerStatusHeader(QWidget* parent)
    : QFrame(parent)
    , m_name(new QLabel)
    , m_details(new QLabel)
    , m_answer(new QLabel)
{
    setObjectName(QStringLiteral("pnlRconStatus"));
    setFrameShape(QFrame::StyledPanel);
    m_name->setObjectName(QStringLiteral("lblRconServerName"));
    QFont bold = m_name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    m_name->setFont(bold);
    m_name->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_details->setObjectName(QStringLiteral("lblRconServerDetails"));
    m_details->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_details->setWordWrap(true);
    m_answer->setObjectName(QStringLiteral("lblRconLastAnswer"));
    m_answer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_name, 0, 0);
    grid->addWidget(m_details, 1, 0);
    grid->addWidget(m_answer, 0, 1, 2, 1);
    grid->setColumnStretch(0, 1);
}

void ServerStatusHeader::showWaiting(const QString& address)
{
    m_name->setText(address);
    m_details->setText(QStringLiteral("Waiting for the server's first answer"));
    m_answer->clear();
    m_answer->setToolTip(QString());
    m_answeredAt.clear();
    m_answered = true;
    showAnswerColour();
}

void ServerStatusHeader::showSummary(
    const ServerSummary& summary, const QString& gameType, const QString& answeredAt)
{
    const QString name = plainName(summary.name).trimmed();
    m_name->setText(name.isEmpty() ? QStringLiteral("(no name)") : name);
    QStringList details { summary.map, playersText(summary), gameType };
    details.removeAll(QString());
    m_details->setText(details.join(kSeparator));
    m_answeredAt = answeredAt;
    m_answered = true;
    m_answer->setText(QStringLiteral("Last answer %1").arg(answeredAt));
    m_answer->setToolTip(QString());
    showAnswerColour();
}

void ServerStatusHeader::showNoAnswer(const QString& message)
{
    m_answered = false;
    // Nothing to show yet: the reason takes the place of the details.
    if (m_answeredAt.isEmpty())
        m_details->setText(message);
    m_answer->setText(m_answeredAt.isEmpty() ? QStringLiteral("No answer")
                                             : QStringLiteral("No answer (last %1)").arg(m_answeredAt));
    m_answer->setToolTip(message);
    showAnswerColour();
}

void ServerStatusHeader::showAnswerColour()
{
    // Only the text's colour is set, so every other role still follows the palette.
    QPalette shown;
    if (!m_answered)
        shown.setColor(QPalette::WindowText, readableOn(kWarning, palette().color(QPalette::Window)));
    m_answer->setPalette(shown);
    QFont font = m_answer->font();
    font.setBold(!m_answered);
    m_answer->setFont(font);
}

bool ServerStatusHeader::event(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        showAnswerColour();
    return QFrame::event(event);
}

} // namespace fw
