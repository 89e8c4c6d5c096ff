#include "app/FrmMapPreview.h"

#include <QCloseEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace fw {

FrmMapPreview::FrmMapPreview(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_picture(new QLabel)
{
    setObjectName(QStringLiteral("frmMapPreview"));
    setWindowTitle(QStringLiteral("Map Preview"));
    m_picture->setObjectName(QStringLiteral("picMap"));
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setMinimumSize(240, 150);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_picture);
}

void FrmMapPreview::setMapText(const QString& text)
{
    m_picture->setText(text);
}

QString FrmMapPreview::mapText() const
{
    return m_picture->text();
}

void FrmMapPreview::unload()
{
    m_unloading = true;
    close();
}

void FrmMapPreview::closeEvent(QCloseEvent* event)
{
    if (m_unloading)
        return QWidget::closeEvent(event);
    event->ignore();
    hide();
}

} // namespace fw
