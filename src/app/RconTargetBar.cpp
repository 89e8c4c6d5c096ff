#include "app/RconTargetBar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace fw {
namespace {

// At most the rate limit's one request a second over a refresh's two (getstatus and status).
constexpr int kShortestRefresh = 2;
constexpr int kLongestRefresh = 3600;

QLabel* buddyLabel(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

} // namespace

RconTargetBar::RconTargetBar(QWidget* parent)
    : QWidget(parent)
    , m_host(new QLineEdit)
    , m_port(new QLineEdit)
    , m_framing(new QComboBox)
    , m_refresh(new QSpinBox)
    , m_refreshNow(new QPushButton(QStringLiteral("Re&fresh")))
{
    m_host->setObjectName(QStringLiteral("txtRconHost"));
    m_host->setToolTip(QStringLiteral("The server rcon talks to; empty for the profile's (net_ip, else this "
                                      "computer). Kept for this installation, not in the profile."));
    m_host->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("255.255.255.255__")));
    m_port->setObjectName(QStringLiteral("txtRconPort"));
    m_port->setToolTip(
        QStringLiteral("The server's UDP port; empty for the profile's (net_port, else 12203)"));
    m_port->setValidator(new QIntValidator(1, 65535, m_port));
    // Room for any port and the frame around it, however narrow the window.
    m_port->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("65535")) + 24);
    m_framing->setObjectName(QStringLiteral("cboRconFraming"));
    m_framing->addItem(QStringLiteral("MOHAA"), int(RconFraming::Mohaa));
    m_framing->addItem(QStringLiteral("Quake 3"), int(RconFraming::Quake3));
    m_framing->setToolTip(QStringLiteral("MOHAA servers (OpenMoHAA, the original) take a direction byte "
                                         "before the command; ioquake3-family servers do not"));
    m_refresh->setObjectName(QStringLiteral("spnRconRefresh"));
    m_refresh->setRange(kShortestRefresh, kLongestRefresh);
    m_refresh->setSuffix(QStringLiteral(" s"));
    m_refresh->setToolTip(QStringLiteral("How often the players are asked for while this window is in view"));
    m_refreshNow->setObjectName(QStringLiteral("cmdRconRefresh"));
    m_refreshNow->setAutoDefault(false);

    connect(
        m_host, &QLineEdit::editingFinished, this, [this] { emit hostChanged(m_host->text().trimmed()); });
    connect(m_port, &QLineEdit::editingFinished, this,
        [this] { emit portChanged(quint16(m_port->text().toUInt())); });
    // Emptied, the port follows the profile again; a validator lets no empty text finish editing.
    connect(m_port, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text.isEmpty())
            emit portChanged(0);
    });
    connect(m_framing, &QComboBox::activated, this,
        [this] { emit framingChanged(RconFraming(m_framing->currentData().toInt())); });
    connect(m_refresh, &QSpinBox::valueChanged, this, &RconTargetBar::refreshSecondsChanged);
    connect(m_refreshNow, &QPushButton::clicked, this, &RconTargetBar::refreshRequested);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(buddyLabel(QStringLiteral("Rcon &host:"), m_host));
    row->addWidget(m_host, 2);
    row->addWidget(buddyLabel(QStringLiteral("P&ort:"), m_port));
    row->addWidget(m_port);
    row->addWidget(buddyLabel(QStringLiteral("Fr&aming:"), m_framing));
    row->addWidget(m_framing);
    row->addSpacing(12);
    row->addWidget(buddyLabel(QStringLiteral("Players e&very:"), m_refresh));
    row->addWidget(m_refresh);
    row->addWidget(m_refreshNow);
}

void RconTargetBar::setValues(const QString& host, quint16 port, RconFraming framing, int refreshSeconds)
{
    const QSignalBlocker quietRefresh(m_refresh);
    m_host->setText(host);
    m_port->setText(port == 0 ? QString() : QString::number(port));
    m_framing->setCurrentIndex(m_framing->findData(int(framing)));
    m_refresh->setValue(refreshSeconds);
}

void RconTargetBar::setProfileTarget(const RconTarget& target)
{
    m_host->setPlaceholderText(target.host);
    m_port->setPlaceholderText(QString::number(target.port));
}

} // namespace fw
