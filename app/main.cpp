#include "secondpart.h"

#include "sheet/qt/uitext.h"
#include "shell/language.h"
#include "shell/programstyle.h"
#include "shell/recentfiles.h"
#include "shell/registry.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLibrary>
#include <QMessageBox>
#include <QTextStream>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <optional>

namespace {

const sheet::UiText kDescription{QT_TRANSLATE_NOOP("horalo", "Horalo: progetto e calcolo di orologi solari.")};
const sheet::UiText kExportOption{QT_TRANSLATE_NOOP(
    "horalo", "Scrive il quadrante del progetto in FILE (PDF, SVG, DXF o CSV secondo l'estensione) senza aprire finestre.")};
const sheet::UiText kProjectArgument{QT_TRANSLATE_NOOP("horalo", "Progetto del quadrante (*.horalo) da aprire.")};
const sheet::UiText kProjectName{QT_TRANSLATE_NOOP("horalo", "progetto")};
const sheet::UiText kMissingProject{QT_TRANSLATE_NOOP("horalo", "Manca il file di progetto da esportare.")};
const sheet::UiText kTooMany{QT_TRANSLATE_NOOP("horalo", "Un solo file di progetto, per favore.")};
const sheet::UiText kLanguageOption{
    QT_TRANSLATE_NOOP("horalo", "Lingua del programma per questa volta: it (italiano) o en (inglese).")};
// Qt's own help option has no Italian text; the program says it itself.
const sheet::UiText kHelpOption{QT_TRANSLATE_NOOP("horalo", "Mostra questo aiuto.")};
const sheet::UiText kUnknownLanguage{QT_TRANSLATE_NOOP("horalo", "Lingua sconosciuta: usare it oppure en.")};
const sheet::UiText kNoDisplay{QT_TRANSLATE_NOOP(
    "horalo", "Nessuno schermo su cui aprire le finestre; per scrivere un quadrante senza finestre: horalo --export FILE PROGETTO.horalo")};

// The language asked with --lang (either "--lang en" or "--lang=en"), looked for before the
// parser runs, so that its own texts (the help) are in that language too.
QString askedLanguage(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--lang") == 0 && i + 1 < argc)
            return QString::fromLocal8Bit(argv[i + 1]);
        if (std::strncmp(argv[i], "--lang=", 7) == 0)
            return QString::fromLocal8Bit(argv[i] + 7);
    }
    return {};
}

const sheet::UiText kSecondPartMissing{QT_TRANSLATE_NOOP(
    "horalo", "Manca una parte del programma: calcoli, disegni, Quadrante e rilievo non si possono aprire. %1")};

// The program's second part (secondpart.h): where it is installed beside the program, or in the
// program's own folder, as in the build folder. Loaded once, when first needed.
class SecondPart {
public:
    static SecondPart &instance()
    {
        static SecondPart part;
        return part;
    }

    // Loads the library (once); false with the reason in *error.
    bool load(QString *error)
    {
        if (!library_.isLoaded()) {
            const QString folder = QCoreApplication::applicationDirPath();
            const QString name = QStringLiteral(HORALO_SECOND_PART_FILE);
            const QString installed = QDir(folder).filePath(QStringLiteral(HORALO_SECOND_PART_DIR "/") + name);
            library_.setFileName(QFile::exists(installed) ? installed : QDir(folder).filePath(name));
            library_.setLoadHints(QLibrary::ResolveAllSymbolsHint);
            if (!library_.load()) {
                if (error)
                    *error = QString(kSecondPartMissing).arg(library_.errorString());
                return false;
            }
        }
        return true;
    }

    // The entry point of that name, or nullptr with the reason in *error.
    template <typename Entry>
    Entry entry(const char *name, QString *error)
    {
        if (!load(error))
            return nullptr;
        auto found = reinterpret_cast<Entry>(library_.resolve(name));
        if (!found && error)
            *error = QString(kSecondPartMissing).arg(library_.errorString());
        return found;
    }

    // Adds the second part's windows to the registry (once); false with the reason in *error.
    bool registerWindows(QString *error)
    {
        if (registered_)
            return true;
        const auto add = entry<HoraloRegisterWindows>(kRegisterWindowsEntry, error);
        if (!add)
            return false;
        add(shell::WindowRegistry::instance());
        registered_ = true;
        return true;
    }

private:
    QLibrary library_;
    bool registered_ = false;
};

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

// True when a window can be shown: a display to open it on, or a platform named for Qt.
bool hasDisplay(int argc, char *argv[])
{
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(variable))
            return true;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    return false;
}

// The argument as the system gave it (its bytes, whatever their encoding) that Qt read as
// text: a file's name is kept as it was typed, never passed through a decoding that cannot
// be undone. The last one, as the parser takes the last of an option given twice.
std::string nativeArgument(int argc, char *argv[], const QString &text, const char *option)
{
    std::string found = QFile::encodeName(text).toStdString();
    const std::string prefix = option ? std::string(option) + "=" : std::string();
    for (int i = 1; i < argc; ++i) {
        if (option && std::strcmp(argv[i], option) == 0 && i + 1 < argc) {
            if (QFile::decodeName(argv[i + 1]) == text)
                found = argv[i + 1];
            ++i;
        } else if (option && std::strncmp(argv[i], prefix.c_str(), prefix.size()) == 0) {
            if (QFile::decodeName(argv[i] + prefix.size()) == text)
                found = argv[i] + prefix.size();
        } else if (!option && QFile::decodeName(argv[i]) == text) {
            found = argv[i];
        }
    }
    return found;
}

// Without a window, standard error carries only the program's own answer: Qt's notes about the
// session it runs in (no runtime folder, a font substituted) are left out; its errors stay.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QTextStream(stderr) << message << Qt::endl;
}

// For tools/bench/bench_startup and the tests: with HORALO_QUIT_WHEN_SHOWN set, the program
// writes "shown" and the window's name on standard output once the window has painted for the
// first time, and quits. The window is the main menu (the variable set to 1), the designer when
// a project is opened, or the window the variable names, asked for after the main menu.
class QuitWhenShown : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QMetaObject::invokeMethod(qApp, [name = watched->objectName()] {
                QTextStream(stdout) << "shown " << name << Qt::endl;
                QCoreApplication::quit();
            }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool done_ = false;
};

void quitWhenShown(QWidget *window)
{
    if (window)
        window->installEventFilter(new QuitWhenShown(window));
}

} // namespace

int main(int argc, char *argv[])
{
    // Under a limit on the size of the files it may write (ulimit -f), a write past it would
    // kill the program with SIGXFSZ, open windows and all; ignored, the write fails instead and
    // the file is refused in words, the old one kept.
    std::signal(SIGXFSZ, SIG_IGN);

    // A language the program does not speak is refused before anything opens (in its own
    // Italian, as no other language was chosen).
    const QString asked = askedLanguage(argc, argv);
    if (!asked.isEmpty() && !shell::languageNamed(asked))
        return fail(QString::fromUtf8(kUnknownLanguage.italian()));

    // An export needs no display: the offscreen platform draws the PDF and SVG pages. Without
    // a display and without an export nothing graphical is made at all: the command line is
    // read (a mistyped option is named) and the program says why it cannot open a window,
    // instead of Qt aborting on a platform it cannot load.
    const bool noWindow = wantsNoWindow(argc, argv);
    const bool noDisplay = !noWindow && !hasDisplay(argc, argv);
    if (noWindow) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(quietMessages);
    }
    if (noDisplay)
        qInstallMessageHandler(quietMessages);
    std::unique_ptr<QCoreApplication> app(noDisplay  ? new QCoreApplication(argc, argv)
                                          : noWindow ? new QGuiApplication(argc, argv)
                                                     : new QApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("Horalo 2002"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    if (!noDisplay)
        QGuiApplication::setDesktopFileName(QStringLiteral("horalo"));
    // Italian is the program's own language; an English system, or --lang en, gets English,
    // and Qt's own dialogs follow.
    const std::optional<shell::Language> language =
        asked.isEmpty() ? std::optional(shell::systemLanguage()) : shell::languageNamed(asked);
    shell::installLanguage(language.value_or(shell::Language::Italian));

    QCommandLineParser parser;
    parser.setApplicationDescription(kDescription);
    const QCommandLineOption helpOption({QStringLiteral("h"), QStringLiteral("help")}, kHelpOption);
    parser.addOption(helpOption);
    parser.addVersionOption();
    const QCommandLineOption exportOption(QStringLiteral("export"), kExportOption, QStringLiteral("FILE"));
    parser.addOption(exportOption);
    parser.addOption(QCommandLineOption(QStringLiteral("lang"), kLanguageOption, QStringLiteral("it|en")));
    parser.addPositionalArgument(kProjectName, kProjectArgument, QStringLiteral("[FILE.horalo]"));
    if (!parser.parse(QCoreApplication::arguments()))
        return fail(parser.errorText());
    if (parser.isSet(helpOption))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return fail(kTooMany);

    if (parser.isSet(exportOption)) {
        if (files.isEmpty())
            return fail(kMissingProject);
        QString error;
        const auto exportDial = SecondPart::instance().entry<HoraloExportDial>(kExportDialEntry, &error);
        if (!exportDial)
            return fail(error);
        if (!exportDial(nativeArgument(argc, argv, files.front(), nullptr),
                        nativeArgument(argc, argv, parser.value(exportOption), "--export"), &error))
            return fail(error);
        return 0;
    }
    if (noDisplay)
        return fail(kNoDisplay);

    shell::installProgramStyle();
    // The menus are the program's own; every other window comes with the second part, loaded
    // when the first of them is asked for.
    auto &registry = shell::WindowRegistry::instance();
    shell::registerMenuWindows(registry);
    for (const char *name : shell::kSecondPartWindows) {
        registry.addOnDemand(QString::fromLatin1(name), [] {
            QString error;
            if (SecondPart::instance().registerWindows(&error))
                return true;
            QMessageBox::critical(nullptr, QStringLiteral("Horalo 2002"), error);
            return false;
        });
    }
    // Projects open in the designer, which the second part brings, with its own opener in place
    // of this one.
    shell::setProjectOpener([](const QString &path, QString *error) {
        static bool loading = false;
        if (loading) {
            if (error)
                *error = QString(kSecondPartMissing).arg(QStringLiteral(HORALO_SECOND_PART_FILE));
            return false;
        }
        if (!SecondPart::instance().registerWindows(error))
            return false;
        loading = true;
        const bool opened = shell::openProject(path, error);
        loading = false;
        return opened;
    });

    if (!files.isEmpty()) {
        QString error;
        if (!shell::openProject(files.front(), &error))
            return fail(error);
        if (qEnvironmentVariableIsSet("HORALO_QUIT_WHEN_SHOWN"))
            quitWhenShown(registry.open(shell::kDesignerWindow));
        return QCoreApplication::exec();
    }
    // Only the main menu is made at start; every other window is made when it is asked for.
    QWidget *menu = shell::showWindow(shell::kMainMenu);
    if (qEnvironmentVariableIsSet("HORALO_QUIT_WHEN_SHOWN")) {
        const QString asked = qEnvironmentVariable("HORALO_QUIT_WHEN_SHOWN");
        quitWhenShown(asked == QLatin1String("1") ? menu : shell::showWindow(asked));
    }
    return QCoreApplication::exec();
}
