// Velmora: a configurable strip of small tools at the top of the screen.
#include "platform/linux/VELinuxPlatform.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setOrganizationDomain(QStringLiteral("corvane.com"));
    QApplication::setQuitOnLastWindowClosed(false);
    installLinuxPlatform();
    return QApplication::exec();
}
