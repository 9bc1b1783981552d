#include "horizontal/horizontalwindows.h"
#include "shell/language.h"
#include "shell/registry.h"
#include "survey/surveywindows.h"
#include "vertical/verticalwindows.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Horalo 2002"));
    QApplication::setDesktopFileName(QStringLiteral("horalo"));
    // The program speaks Italian, and so must the dialogs Qt makes for it.
    shell::installQtCatalogue(QStringLiteral("it"));

    auto &registry = shell::WindowRegistry::instance();
    shell::registerShellWindows(registry);
    horizontal::registerHorizontalWindows(registry);
    vertical::registerVerticalWindows(registry);
    survey::registerSurveyWindows(registry);

    // Only the main menu is made at start; every other window is made when it is asked for.
    shell::showWindow(QStringLiteral("Meridiane"));
    return QApplication::exec();
}
