#include "shell/menus.h"

#include "sheet/qt/uitext.h"

#include "shell/registry.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

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
