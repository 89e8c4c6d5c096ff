#include "app/FrmScanner.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace fw {

FrmScanner::FrmScanner(QWidget* parent)
    : QDialog(parent)
    , m_currentFile(new QLabel)
    , m_bar(new QProgressBar)
{
    setObjectName(QStringLiteral("frmScanner"));
    setWindowTitle(QStringLiteral("Scanning..."));
    // Nothing to close: the scan ends by itself.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    m_currentFile->setObjectName(QStringLiteral("lblCurrentFile"));
    m_currentFile->setMinimumWidth(360);
    m_bar->setObjectName(QStringLiteral("prgScan"));
    m_bar->setTextVisible(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Current Progress:")));
    layout->addWidget(m_currentFile);
    layout->addWidget(m_bar);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void FrmScanner::show()
{
    QDialog::show();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    setCursor(Qt::WaitCursor);
    m_currentFile->clear();
    QApplication::processEvents();
}

void FrmScanner::setMaximum(int maximum)
{
    m_bar->setRange(0, std::max(maximum, 1));
}

void FrmScanner::setValue(int value)
{
    m_bar->setValue(std::min(value, m_bar->maximum()));
    QApplication::processEvents();
}

void FrmScanner::setCurrentFile(const QString& text)
{
    m_currentFile->setText(text);
    m_currentFile->repaint();
    QApplication::processEvents();
}

void FrmScanner::hide()
{
    unsetCursor();
    QDialog::hide();
}

void FrmScanner::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void FrmScanner::reject()
{
    // Escape does not abandon a scan half-way.
}

} // namespace fw
