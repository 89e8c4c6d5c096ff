#include "app/FrmAbout.h"

#include "profile/SettingsCatalogue.h"

#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

namespace fw {

FrmAbout::FrmAbout(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Fortwright"));
    auto* logo = new QLabel;
    logo->setPixmap(QIcon(QStringLiteral(":/icons/fortwright.svg")).pixmap(64, 64));
    logo->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(kVersionText);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setAlignment(Qt::AlignCenter);
    auto* panel = new QLabel(QString(panelText()).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    panel->setObjectName(QStringLiteral("SSPanel1"));
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setMargin(12);
    auto* hint = new QLabel(QStringLiteral("Click to close"));
    hint->setAlignment(Qt::AlignCenter);
    hint->setEnabled(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 12);
    for (QLabel* label : { logo, version, panel, hint }) {
        label->installEventFilter(this);
        layout->addWidget(label);
    }
    setFixedSize(sizeHint().expandedTo(QSize(320, 0)));
}

QString FrmAbout::panelText()
{
    return QStringList { QStringLiteral("Fortwright"), QStringLiteral("developed by"), kContactAddress,
        kWebAddress }
        .join(QStringLiteral("\r\n"));
}

void FrmAbout::mousePressEvent(QMouseEvent*)
{
    accept();
}

bool FrmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace fw
