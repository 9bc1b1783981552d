#include "designer/designerexport.h"
#include "designer/quadrante.h"
#include "horizontal/horizontalwindows.h"
#include "shell/language.h"
#include "shell/registry.h"
#include "survey/surveywindows.h"
#include "vertical/verticalwindows.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

const QString kDescription = QStringLiteral("Horalo: progetto e calcolo di orologi solari.");
const QString kExportOption = QStringLiteral("Scrive il quadrante del progetto in FILE (PDF, SVG, DXF o CSV secondo l'estensione) senza aprire finestre.");
const QString kProjectArgument = QStringLiteral("Progetto del quadrante (*.horalo) da aprire.");
const QString kMissingProject = QStringLiteral("Manca il file di progetto da esportare.");
const QString kTooMany = QStringLiteral("Un solo file di progetto, per favore.");

// Exit status of a refused command line or export: the reason is on standard error.
constexpr int kExitRefused = 2;

int fail(const QString &why)
{
    QTextStream(stderr) << QStringLiteral("horalo: ") << why << Qt::endl;
    return kExitRefused;
}

bool wantsNoWindow(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char *option : {"--export", "--help", "-h", "--version", "-v", "--help-all"})
            if (std::strcmp(argv[i], option) == 0 || std::strncmp(argv[i], "--export=", 9) == 0)
                return true;
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    // An export needs no display: the offscreen platform draws the PDF and SVG pages.
    const bool noWindow = wantsNoWindow(argc, argv);
    if (noWindow)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QGuiApplication> app(noWindow ? new QGuiApplication(argc, argv) : new QApplication(argc, argv));
    QGuiApplication::setApplicationName(QStringLiteral("Horalo 2002"));
    QGuiApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("horalo"));
    // The program speaks Italian, and so must the dialogs Qt makes for it.
    shell::installQtCatalogue(QStringLiteral("it"));

    QCommandLineParser parser;
    parser.setApplicationDescription(kDescription);
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption exportOption(QStringLiteral("export"), kExportOption, QStringLiteral("FILE"));
    parser.addOption(exportOption);
    parser.addPositionalArgument(QStringLiteral("progetto"), kProjectArgument, QStringLiteral("[FILE.horalo]"));
    if (!parser.parse(QGuiApplication::arguments()))
        return fail(parser.errorText());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return fail(kTooMany);

    if (parser.isSet(exportOption)) {
        if (files.isEmpty())
            return fail(kMissingProject);
        const project::ProjectRead read = project::LoadProject(QFile::encodeName(files.front()).toStdString());
        if (!read.ok)
            return fail(QString::fromStdString(read.message));
        const designer::DesignedDial dial = designer::DesignDial(read.project);
        QString error;
        if (!designer::ExportDial(parser.value(exportOption), dial, &error))
            return fail(error);
        return 0;
    }

    auto &registry = shell::WindowRegistry::instance();
    shell::registerShellWindows(registry);
    horizontal::registerHorizontalWindows(registry);
    vertical::registerVerticalWindows(registry);
    survey::registerSurveyWindows(registry);
    designer::registerDesignerWindows(registry);

    if (!files.isEmpty()) {
        auto *window = qobject_cast<designer::Quadrante *>(shell::showWindow(QStringLiteral("Quadrante")));
        QString error;
        if (!window || !window->openFile(files.front(), &error))
            return fail(error);
        return QGuiApplication::exec();
    }
    // Only the main menu is made at start; every other window is made when it is asked for.
    shell::showWindow(QStringLiteral("Meridiane"));
    return QGuiApplication::exec();
}
