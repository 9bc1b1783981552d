// Takes the manual's pictures (docs/manual-<window>-<it|en>.png) from the real windows, in both
// languages, on the offscreen platform:
//   cmake --build build --target horalo_manualshots
//   QT_QPA_PLATFORM=offscreen build/app/horalo_manualshots docs && python3 tools/makemanual.py
#include "designer/quadrante.h"
#include "horizontal/horizontalwindows.h"
#include "shell/language.h"
#include "shell/programstyle.h"
#include "shell/registry.h"
#include "survey/surveywindows.h"
#include "vertical/verticalwindows.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTranslator>

namespace {

void settle()
{
    for (int k = 0; k < 5; ++k) {
        QCoreApplication::processEvents();
        QThread::msleep(20);
    }
}

void closeAll()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The window as the manual shows it: the designer and the survey at a size that shows their
// fields, the drawing window with the horizontal curves sheet's drawing in it.
QWidget *shownForTheManual(const QString &name)
{
    if (name == QLatin1String("Disegno")) {
        QWidget *sheet = shell::showWindow(QStringLiteral("CurveOrizz"));
        sheet->findChild<QPushButton *>(QStringLiteral("Calcola"))->click();
        sheet->findChild<QPushButton *>(QStringLiteral("Disegno"))->click();
        QWidget *drawing = shell::WindowRegistry::instance().open(name);
        if (drawing)
            drawing->resize(700, 600);
        return drawing;
    }
    QWidget *window = shell::showWindow(name);
    if (name == QLatin1String("Quadrante"))
        window->resize(1100, 760);
    if (name == QLatin1String("Rilievo"))
        window->resize(1250, 900);
    return window;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // The pictures show the windows in the program's own style.
    shell::installProgramStyle();
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(out);
    auto &registry = shell::WindowRegistry::instance();
    shell::registerShellWindows(registry);
    horizontal::registerHorizontalWindows(registry);
    vertical::registerVerticalWindows(registry);
    survey::registerSurveyWindows(registry);
    designer::registerDesignerWindows(registry);
    int failed = 0;
    for (const shell::Language language : {shell::Language::Italian, shell::Language::English}) {
        // Every window at its first size in each language (the program remembers the size a
        // window was left at), and the settings of the person running this left as they were.
        QTemporaryDir settings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        for (QTranslator *catalogue : app.findChildren<QTranslator *>())
            QCoreApplication::removeTranslator(catalogue);
        shell::installLanguage(language);
        const QString code = language == shell::Language::English ? QStringLiteral("en") : QStringLiteral("it");
        for (const char *page : {"Meridiane", "GonOrz", "CurveOrizz", "GonvrtEst", "CurveVrt", "ZodiacoVrt", "Quadrante", "Rilievo", "Disegno"}) {
            const QString name = QString::fromLatin1(page);
            QWidget *window = shownForTheManual(name);
            settle();
            const QString file = QStringLiteral("%1/manual-%2-%3.png").arg(out, name, code);
            if (!window || !window->grab().save(file)) {
                QTextStream(stderr) << "not taken: " << file << Qt::endl;
                ++failed;
            }
            closeAll();
        }
    }
    return failed == 0 ? 0 : 1;
}
