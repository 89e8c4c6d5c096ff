#include "app/FrmMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fortwright"));
    QApplication::setOrganizationName(QStringLiteral("_DezeveRovorare"));
    fw::FrmMain window;
    window.show();
    return QApplication::exec();
}
