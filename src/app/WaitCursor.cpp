#include "app/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace fw {

WaitCursor::WaitCursor()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

WaitCursor::~WaitCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

} // namespace fw
