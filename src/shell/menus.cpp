#include "shell/menus.h"

#include "sheet/qt/uitext.h"

#include "shell/recentfiles.h"
#include "shell/registry.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <utility>

namespace shell {

namespace {

const sheet::UiText kMainTitle{QT_TRANSLATE_NOOP("horalo", "Menu Principale")};
const QString kProgram = QStringLiteral("Horalo 2002");
const sheet::UiText kSubtitle{QT_TRANSLATE_NOOP("horalo", "Programma per la costruzione di orologi solari")};
const sheet::UiText kExample{QT_TRANSLATE_NOOP("horalo", "Esempio")};
const sheet::UiText kCredit{QT_TRANSLATE_NOOP("horalo", "Horalo 2002 - calcoli per il tracciamento di meridiane orizzontali e verticali")};

QPushButton *menuButton(QWidget *parent, const QString &objectName, const QString &text,
                        const QString &target)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setMinimumHeight(30);
    button->setEnabled(WindowRegistry::instance().has(target));
    QObject::connect(button, &QPushButton::clicked, parent, [target] { showWindow(target); });
    return button;
}

QLabel *heading(QWidget *parent, const QString &objectName, const QString &text, double pt)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(pt);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

const sheet::UiText kFileMenu{QT_TRANSLATE_NOOP("horalo", "&File")};
const sheet::UiText kNewDial{QT_TRANSLATE_NOOP("horalo", "&Nuovo quadrante")};
const sheet::UiText kOpenProject{QT_TRANSLATE_NOOP("horalo", "&Apri…")};
const sheet::UiText kRecent{QT_TRANSLATE_NOOP("horalo", "&Recenti")};
const sheet::UiText kNoRecent{QT_TRANSLATE_NOOP("horalo", "(nessun progetto recente)")};
const sheet::UiText kQuit{QT_TRANSLATE_NOOP("horalo", "&Esci")};
const sheet::UiText kSheetsMenu{QT_TRANSLATE_NOOP("horalo", "&Calcoli")};
const sheet::UiText kToolsMenu{QT_TRANSLATE_NOOP("horalo", "&Strumenti")};
const sheet::UiText kHelpMenu{QT_TRANSLATE_NOOP("horalo", "A&iuto")};
const sheet::UiText kManualItem{QT_TRANSLATE_NOOP("horalo", "&Manuale")};
const sheet::UiText kNotesItem{QT_TRANSLATE_NOOP("horalo", "&Note")};
const sheet::UiText kAboutItem{QT_TRANSLATE_NOOP("horalo", "&Informazioni su Horalo")};
const sheet::UiText kOpenTitle{QT_TRANSLATE_NOOP("horalo", "Apri progetto")};
const sheet::UiText kProjectFilter{QT_TRANSLATE_NOOP("horalo", "Progetti di Horalo (*.horalo)")};
const sheet::UiText kOpenFailed{QT_TRANSLATE_NOOP("horalo", "Progetto non aperto")};

// The six sheets of 2002 with the window each opens; the sub-menus' buttons named with the
// kind of dial, as the two curve sheets share a name there.
constexpr std::array<std::pair<const char *, const char *>, 6> kSheets{{
    {QT_TRANSLATE_NOOP("horalo", "Orizzontale: angoli orari"), kHorizontalHoursSheet},
    {QT_TRANSLATE_NOOP("horalo", "Orizzontale: curve solstiziali"), kHorizontalCurvesSheet},
    {QT_TRANSLATE_NOOP("horalo", "Verticale: declina Est"), kEastDecliningSheet},
    {QT_TRANSLATE_NOOP("horalo", "Verticale: declina Ovest"), kWestDecliningSheet},
    {QT_TRANSLATE_NOOP("horalo", "Verticale: curve solstiziali"), kVerticalCurvesSheet},
    {QT_TRANSLATE_NOOP("horalo", "Verticale: curve zodiacali e anniversario"), kZodiacSheet},
}};

QAction *windowAction(QMenu *menu, const QString &text, const QString &target, const QString &objectName)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(objectName);
    action->setEnabled(WindowRegistry::instance().has(target));
    QObject::connect(action, &QAction::triggered, menu, [target] { showWindow(target); });
    return action;
}

void openProjectFile(QWidget *window, const QString &path)
{
    QString error;
    if (!openProject(path, &error))
        QMessageBox::warning(window, kOpenFailed, error);
}

void fillRecent(QMenu *recent, QWidget *window)
{
    recent->clear();
    const QStringList files = recentFiles();
    if (files.isEmpty()) {
        recent->addAction(kNoRecent)->setEnabled(false);
        return;
    }
    int n = 0;
    for (const QString &file : files) {
        // Numbered for the keyboard; the full path stays readable in the tooltip.
        QAction *action = recent->addAction(QStringLiteral("&%1 %2").arg(++n).arg(QFileInfo(file).fileName()));
        action->setToolTip(QDir::toNativeSeparators(file));
        action->setData(file);
        QObject::connect(action, &QAction::triggered, window, [window, file] { openProjectFile(window, file); });
    }
}

QMenuBar *mainMenuBar(QWidget *window)
{
    auto *bar = new QMenuBar(window);
    bar->setObjectName(QStringLiteral("menuBar"));

    QMenu *file = bar->addMenu(kFileMenu);
    file->setObjectName(QStringLiteral("menuFile"));
    QAction *newDial = file->addAction(kNewDial);
    newDial->setObjectName(QStringLiteral("actionNewDial"));
    newDial->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    newDial->setEnabled(WindowRegistry::instance().has(kDesignerWindow));
    QObject::connect(newDial, &QAction::triggered, window, [] { showFresh(QString::fromLatin1(kDesignerWindow)); });
    QAction *open = file->addAction(kOpenProject);
    open->setObjectName(QStringLiteral("actionOpen"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QObject::connect(open, &QAction::triggered, window, [window] {
        const QString path = QFileDialog::getOpenFileName(window, kOpenTitle, QString(), kProjectFilter);
        if (!path.isEmpty())
            openProjectFile(window, path);
    });
    QMenu *recent = file->addMenu(kRecent);
    recent->setObjectName(QStringLiteral("menuRecent"));
    // Read when it opens, so a project saved in the designer a moment ago is already there
    // (and the main menu opens without reading the list).
    QObject::connect(recent, &QMenu::aboutToShow, window, [recent, window] { fillRecent(recent, window); });
    file->addSeparator();
    QAction *quit = file->addAction(kQuit);
    quit->setObjectName(QStringLiteral("actionQuit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // Every window is asked in turn, so a designer with unsaved changes can still say no.
    QObject::connect(quit, &QAction::triggered, window, [] { QApplication::closeAllWindows(); });

    QMenu *sheets = bar->addMenu(kSheetsMenu);
    sheets->setObjectName(QStringLiteral("menuCalcoli"));
    for (const auto &[text, target] : kSheets)
        windowAction(sheets, QCoreApplication::translate("horalo", text), QString::fromLatin1(target),
                     QStringLiteral("action%1").arg(QString::fromLatin1(target)));

    QMenu *tools = bar->addMenu(kToolsMenu);
    tools->setObjectName(QStringLiteral("menuStrumenti"));
    windowAction(tools, QCoreApplication::translate("horalo", "Quadrante"), QString::fromLatin1(kDesignerWindow),
                 QStringLiteral("actionQuadrante"));
    windowAction(tools, QCoreApplication::translate("horalo", "Rilievo parete"), QString::fromLatin1(kSurveyWindow),
                 QStringLiteral("actionRilievo"));

    QMenu *help = bar->addMenu(kHelpMenu);
    help->setObjectName(QStringLiteral("menuAiuto"));
    QAction *manual = windowAction(help, kManualItem, QString::fromLatin1(kManual), QStringLiteral("actionManuale"));
    // F1 itself is every window's own key; the menu shows it.
    manual->setShortcut(QKeySequence(Qt::Key_F1));
    manual->setShortcutContext(Qt::WidgetShortcut);
    windowAction(help, kNotesItem, QString::fromLatin1(kNotes), QStringLiteral("actionNote"));
    help->addSeparator();
    windowAction(help, kAboutItem, QString::fromLatin1(kAbout), QStringLiteral("actionInformazioni"));
    return bar;
}

struct MenuRow {
    const char *name;
    const char *text;
    const char *target;
    const char *exampleName;   // nullptr when the row has no example button
    const char *exampleTarget;
};

QWidget *subMenu(const QString &title, const QString &headingName, const QString &headingText,
                 std::initializer_list<MenuRow> rows)
{
    auto *window = new QWidget;
    window->setWindowTitle(title);
    auto *layout = new QGridLayout(window);
    layout->setContentsMargins(20, 16, 20, 20);
    layout->setHorizontalSpacing(12);
    layout->setVerticalSpacing(10);
    layout->addWidget(heading(window, headingName, headingText, 13), 0, 0, 1, 2);
    int r = 1;
    for (const MenuRow &row : rows) {
        auto *button = menuButton(window, QString::fromLatin1(row.name), QCoreApplication::translate("horalo", row.text),
                                  QString::fromLatin1(row.target));
        button->setMinimumWidth(240);
        layout->addWidget(button, r, 0);
        if (row.exampleName) {
            auto *example = menuButton(window, QString::fromLatin1(row.exampleName),
                                       kExample, QString::fromLatin1(row.exampleTarget));
            example->setMinimumWidth(90);
            layout->addWidget(example, r, 1);
        }
        ++r;
    }
    return window;
}

} // namespace

QWidget *makeMainMenu()
{
    auto *window = new QWidget;
    window->setWindowTitle(kMainTitle);
    auto *layout = new QVBoxLayout(window);
    layout->setMenuBar(mainMenuBar(window));
    layout->setContentsMargins(30, 20, 30, 16);
    layout->setSpacing(10);
    layout->addWidget(heading(window, QStringLiteral("Label1"), kProgram, 22));
    auto *subtitle = heading(window, QStringLiteral("Label2"), kSubtitle, 11);
    layout->addWidget(subtitle);
    layout->addSpacing(8);
    for (const auto &[name, text, target] :
         {std::tuple{"Orizzontali", QT_TRANSLATE_NOOP("horalo", "Orizzontali"), kHorizontalMenu},
          std::tuple{"Verticali", QT_TRANSLATE_NOOP("horalo", "Verticali"), kVerticalMenu},
          std::tuple{"MenuQuadrante", QT_TRANSLATE_NOOP("horalo", "Quadrante"), kDesignerWindow},
          std::tuple{"RilievoParete", QT_TRANSLATE_NOOP("horalo", "Rilievo parete"), kSurveyWindow},
          std::tuple{"NoteButton", QT_TRANSLATE_NOOP("horalo", "Note"), kNotes}}) {
        auto *button = menuButton(window, QString::fromLatin1(name), QCoreApplication::translate("horalo", text),
                                  QString::fromLatin1(target));
        button->setMinimumWidth(200);
        layout->addWidget(button, 0, Qt::AlignHCenter);
    }
    layout->addSpacing(8);
    auto *credit = new QLabel(kCredit, window);
    credit->setObjectName(QStringLiteral("Label3"));
    credit->setAlignment(Qt::AlignCenter);
    QFont small(QStringLiteral("Arial"));
    small.setPointSizeF(8);
    credit->setFont(small);
    layout->addWidget(credit);
    return window;
}

QWidget *makeHorizontalMenu()
{
    return subMenu(QCoreApplication::translate("horalo", "Menu Orizzontali"), QStringLiteral("Label1"),
                   QCoreApplication::translate("horalo", "Meridiane Orizzontali"),
                   {{"AngoliOrari", QT_TRANSLATE_NOOP("horalo", "Angoli orari"), kHorizontalHoursSheet, "EsempioGonOrz", kHorizontalHoursExample},
                    {"CurveSolstiziali", QT_TRANSLATE_NOOP("horalo", "Curve Solstiziali"), kHorizontalCurvesSheet, "EsempioCurveO", kHorizontalCurvesExample}});
}

QWidget *makeVerticalMenu()
{
    return subMenu(QCoreApplication::translate("horalo", "Menu Verticali"), QStringLiteral("Label1"),
                   QCoreApplication::translate("horalo", "Meridiane verticali declinanti"),
                   {{"DeclinaEst", QT_TRANSLATE_NOOP("horalo", "Declina Est"), kEastDecliningSheet, "EsempioEst", kEastDecliningExample},
                    {"DeclinaOvest", QT_TRANSLATE_NOOP("horalo", "Declina Ovest"), kWestDecliningSheet, "EsempioOvest", kWestDecliningExample},
                    {"CurveSolstizialiV", QT_TRANSLATE_NOOP("horalo", "Curve solstiziali"), kVerticalCurvesSheet, "EsempioCurveV", kVerticalCurvesExample},
                    {"CurveZodiacali", QT_TRANSLATE_NOOP("horalo", "Curve zodiacali e anniversario"), kZodiacSheet, "EsempioZodiaco", kZodiacCurvesExample},
                    {"NonDeclinante", QT_TRANSLATE_NOOP("horalo", "Non declinante"), kNonDecliningNote, nullptr, nullptr}});
}

} // namespace shell
