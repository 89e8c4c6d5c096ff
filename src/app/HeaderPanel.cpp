#include "app/HeaderPanel.h"

#include "app/ReadableColour.h"
#include "profile/SettingsCatalogue.h"
#include "support/platform/Prompter.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>

namespace fw {
namespace {

// The warning's red as a light palette shows it; a dark palette gets a lighter one.
const QColor kWarningRed(0x9a, 0x2a, 0x1e);

} // namespace

HeaderPanel::HeaderPanel(QWidget* parent)
    : QFrame(parent)
    , m_warning(new QLabel(QStringLiteral("Warning Please Read")))
    , m_home(new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(kWebAddress)))
{
    setObjectName(QStringLiteral("pnlHeader"));
    setFrameShape(QFrame::StyledPanel);
    setMouseTracking(true);
    auto* logo = new QLabel;
    logo->setPixmap(QIcon(QStringLiteral(":/icons/fortwright.svg")).pixmap(18, 18));
    auto* title = new QLabel(QStringLiteral("<b>Fortwright</b> &mdash; Medal of Honor server configuration"));
    m_warning->setObjectName(QStringLiteral("pnlIcon_2"));
    m_warning->setCursor(Qt::PointingHandCursor);
    QFont bold = m_warning->font();
    bold.setBold(true);
    m_warning->setFont(bold);
    showWarningColour();
    m_warning->setToolTip(QStringLiteral("About q3config.cfg when you also play on this computer"));
    m_warning->installEventFilter(this);
    m_home->setObjectName(QStringLiteral("lnkHome"));
    m_home->setOpenExternalLinks(true);
    m_home->setVisible(false);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(8, 1, 8, 1);
    row->addWidget(logo);
    row->addWidget(title);
    row->addStretch();
    row->addWidget(m_home);
    row->addSpacing(12);
    row->addWidget(m_warning);
}

QString HeaderPanel::warningText()
{
    return messageLines({
        QStringLiteral("We recommend that you always delete you q3config.cfg when starting your server, "
                       "however, if you "),
        QStringLiteral(
            "also play on the same pc that you are hosting you should back up your q3config.cfg to retain "),
        QStringLiteral("your client settings. Rename your q3config.cfg to, for example, myconfig.cfg. When "
                       "running Medal of "
                       "Honor"),
        QStringLiteral(
            "as a client you only need to then type /exec myconfig and press enter at the in game console"),
        QStringLiteral(
            "to have all your client settings loaded. To open the console type the tilde (`) key."),
    });
}

void HeaderPanel::showWarningColour()
{
    // Only the text's colour is set, so every other role still follows the palette.
    QPalette shown;
    shown.setColor(QPalette::WindowText, readableOn(kWarningRed, palette().color(QPalette::Window)));
    m_warning->setPalette(shown);
}

bool HeaderPanel::event(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        showWarningColour();
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove)
        m_home->setVisible(true);
    return QFrame::event(event);
}

bool HeaderPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_warning && event->type() == QEvent::MouseButtonRelease) {
        emit warningClicked();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace fw
