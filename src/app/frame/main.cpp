// The Curvix program: the application object on a QApplication.
#include "app/frame/CCurvixApp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Veltra"));
    QApplication::setApplicationName(QStringLiteral("Curvix"));
    CCurvixApp app(QApplication::arguments().mid(1));
    if (!app.InitInstance())
        return 1;
    return QApplication::exec();
}
