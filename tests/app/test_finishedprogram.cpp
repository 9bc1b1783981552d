// What makes the program feel finished, with every window registered as the program starts:
// the main menu's menu bar, Ctrl+W and F1 in every window, the manual and the about box, the
// recent projects, and a tooltip and an accessible name on every field a person types into,
// in both languages.

#include "sheettesting.h"

#include "designer/quadrante.h"
#include "horizontal/horizontalwindows.h"
#include "project/projectfile.h"
#include "shell/fieldhelp.h"
#include "shell/help.h"
#include "shell/language.h"
#include "shell/recentfiles.h"
#include "survey/surveywindows.h"
#include "vertical/verticalwindows.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTranslator>

namespace {

void speak(shell::Language language)
{
    for (QTranslator *catalogue : QCoreApplication::instance()->findChildren<QTranslator *>())
        QCoreApplication::removeTranslator(catalogue);
    shell::installLanguage(language);
}

// The fields a person types into or sets: shown, and not an output the sheet writes.
QList<QWidget *> inputFields(QWidget *window)
{
    QList<QWidget *> fields;
    for (QWidget *child : window->findChildren<QWidget *>()) {
        if (!child->isVisibleTo(window))
            continue;
        if (auto *line = qobject_cast<QLineEdit *>(child)) {
            const bool inner = qobject_cast<QComboBox *>(child->parentWidget()) || qobject_cast<QAbstractSpinBox *>(child->parentWidget());
            if (!inner && line->isEnabled() && !line->isReadOnly())
                fields << child;
        } else if (qobject_cast<QComboBox *>(child) || qobject_cast<QCheckBox *>(child) || qobject_cast<QAbstractSpinBox *>(child)) {
            fields << child;
        }
    }
    return fields;
}

QAction *action(QWidget *menu, const char *name)
{
    return menu->findChild<QAction *>(QString::fromLatin1(name));
}

} // namespace

class TestFinishedProgram : public QObject {
    Q_OBJECT

private:
    QTemporaryDir settingsDir_;

private Q_SLOTS:
    void initTestCase()
    {
        // The recent projects of the person running the tests are left alone.
        QVERIFY(settingsDir_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir_.path());
        QApplication::setQuitOnLastWindowClosed(false);
        auto &registry = shell::WindowRegistry::instance();
        shell::registerShellWindows(registry);
        horizontal::registerHorizontalWindows(registry);
        vertical::registerVerticalWindows(registry);
        survey::registerSurveyWindows(registry);
        designer::registerDesignerWindows(registry);
        shell::setProjectOpener([](const QString &path, QString *error) {
            auto *window = qobject_cast<designer::Quadrante *>(shell::showWindow(QStringLiteral("Quadrante")));
            return window && window->openFile(path, error);
        });
    }
    void cleanup()
    {
        closeAllWindows();
        speak(shell::Language::Italian);
    }

    void everyFieldSaysWhatToType_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window : {"GonOrz", "CurveOrizz", "GonvrtEst", "GonvrtOvest", "CurveVrt", "ZodiacoVrt", "Quadrante", "Rilievo"})
            QTest::newRow(window) << QString::fromLatin1(window);
    }
    void everyFieldSaysWhatToType()
    {
        QFETCH(QString, window);
        QHash<QString, QString> italianTips;
        for (const shell::Language language : {shell::Language::Italian, shell::Language::English}) {
            speak(language);
            QWidget *shown = shell::showWindow(window);
            QVERIFY(shown);
            const QList<QWidget *> fields = inputFields(shown);
            QVERIFY(!fields.isEmpty());
            for (QWidget *field : fields) {
                const QString where = window + QLatin1Char('/') + field->objectName();
                QVERIFY2(!field->toolTip().isEmpty(), qPrintable(where + QStringLiteral(" has no tooltip")));
                QVERIFY2(!field->accessibleName().isEmpty(), qPrintable(where + QStringLiteral(" has no accessible name")));
                if (language == shell::Language::Italian)
                    italianTips.insert(field->objectName(), field->toolTip());
                else
                    QVERIFY2(field->toolTip() != italianTips.value(field->objectName()),
                             qPrintable(where + QStringLiteral(" keeps its Italian tooltip: ") + field->toolTip()));
            }
            closeAllWindows();
        }
    }

    void fieldNamesAndTips_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("accessibleName");
        QTest::addColumn<QString>("tipHas");
        // A label that is the field's buddy names it, as it reads on screen.
        QTest::newRow("designer latitude, buddy") << "Quadrante" << "latitudine" << false << "Latitudine (°, Nord positiva)" << "gradi (°)";
        QTest::newRow("designer nodus height in English") << "Quadrante" << "altezza_mm" << true << "Nodus height (mm)" << "millimetres (mm)";
        // A 2002 sheet's caption is not a buddy: the table names the field.
        QTest::newRow("horizontal latitude") << "GonOrz" << "LAT" << false << "Latitudine" << "gradi (°)";
        QTest::newRow("style length in English") << "CurveVrt" << "s" << true << "Style length" << "dial centre O to the nodus";
        QTest::newRow("wall declination") << "GonvrtOvest" << "DCL1" << false << "Declinazione della parete" << "da Sud verso Est o verso Ovest";
        // The survey's rows share their column's help and are told apart by their number.
        QTest::newRow("survey row 7 angle") << "Rilievo" << "alfa7" << false << "Angolo α dell'ombra 7" << "perpendicolare alla parete";
        QTest::newRow("survey row 12 date in English") << "Rilievo" << "data12" << true << "Date of the observation 12" << "dd/mm/yyyy";
        QTest::newRow("plumb line bottom") << "Rilievo" << "filoB" << false << "Distanza dalla parete in basso" << "millimetri (mm)";
        // A check box is named by its own text.
        QTest::newRow("designer summer time") << "Quadrante" << "ora_legale" << false << "Ora legale" << "ora legale";
    }
    void fieldNamesAndTips()
    {
        QFETCH(QString, window);
        QFETCH(QString, field);
        QFETCH(bool, english);
        QFETCH(QString, accessibleName);
        QFETCH(QString, tipHas);
        speak(english ? shell::Language::English : shell::Language::Italian);
        QWidget *shown = shell::showWindow(window);
        auto *widget = shown->findChild<QWidget *>(field);
        QVERIFY(widget);
        QCOMPARE(widget->accessibleName(), accessibleName);
        QVERIFY2(widget->toolTip().contains(tipHas), qPrintable(widget->toolTip()));
    }

    void menuBarOpensTheWindows_data()
    {
        QTest::addColumn<QString>("actionName");
        QTest::addColumn<QString>("window");
        QTest::newRow("horizontal hour angles") << "actionGonOrz" << "GonOrz";
        QTest::newRow("horizontal curves") << "actionCurveOrizz" << "CurveOrizz";
        QTest::newRow("declining East") << "actionGonvrtEst" << "GonvrtEst";
        QTest::newRow("declining West") << "actionGonvrtOvest" << "GonvrtOvest";
        QTest::newRow("vertical curves") << "actionCurveVrt" << "CurveVrt";
        QTest::newRow("zodiac") << "actionZodiacoVrt" << "ZodiacoVrt";
        QTest::newRow("designer") << "actionQuadrante" << "Quadrante";
        QTest::newRow("wall survey") << "actionRilievo" << "Rilievo";
        QTest::newRow("manual") << "actionManuale" << "Manuale";
        QTest::newRow("notes") << "actionNote" << "Note";
        QTest::newRow("about") << "actionInformazioni" << "Informazioni";
        QTest::newRow("new dial") << "actionNewDial" << "Quadrante";
    }
    void menuBarOpensTheWindows()
    {
        QFETCH(QString, actionName);
        QFETCH(QString, window);
        QWidget *menu = shell::showWindow(QStringLiteral("Meridiane"));
        QAction *item = action(menu, qPrintable(actionName));
        QVERIFY(item);
        QVERIFY(item->isEnabled());
        QVERIFY(!shell::WindowRegistry::instance().open(window));
        item->trigger();
        QWidget *opened = shell::WindowRegistry::instance().open(window);
        QVERIFY(opened);
        QVERIFY(opened->isVisible());
        // The menu window is still the one of 2002: its buttons are all there.
        for (const char *button : {"Orizzontali", "Verticali", "MenuQuadrante", "RilievoParete", "NoteButton"})
            QVERIFY(menu->findChild<QPushButton *>(QString::fromLatin1(button)));
    }

    void menuTextsInBothLanguages_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QStringList>("menus");
        QTest::addColumn<QStringList>("fileItems");
        QTest::newRow("Italian") << false << QStringList{"&File", "&Calcoli", "&Strumenti", "A&iuto"}
                                 << QStringList{"&Nuovo quadrante", "&Apri…", "&Recenti", "&Esci"};
        QTest::newRow("English") << true << QStringList{"&File", "&Calculations", "&Tools", "&Help"}
                                 << QStringList{"&New dial", "&Open…", "&Recent", "&Quit"};
    }
    void menuTextsInBothLanguages()
    {
        QFETCH(bool, english);
        QFETCH(QStringList, menus);
        QFETCH(QStringList, fileItems);
        speak(english ? shell::Language::English : shell::Language::Italian);
        QWidget *window = shell::showWindow(QStringLiteral("Meridiane"));
        QCOMPARE(window->objectName(), QStringLiteral("Meridiane"));
        auto *bar = window->findChild<QMenuBar *>(QStringLiteral("menuBar"));
        QVERIFY(bar);
        QStringList titles;
        for (QAction *menu : bar->actions())
            titles << menu->text();
        QCOMPARE(titles, menus);
        QStringList items;
        for (QAction *item : window->findChild<QMenu *>(QStringLiteral("menuFile"))->actions())
            if (!item->isSeparator())
                items << item->text();
        QCOMPARE(items, fileItems);
        QCOMPARE(action(window, "actionNewDial")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
        QCOMPARE(action(window, "actionOpen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
        QCOMPARE(action(window, "actionQuit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        QCOMPARE(action(window, "actionManuale")->shortcut(), QKeySequence(Qt::Key_F1));
    }

    void keysOfEveryWindow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("page");
        QTest::newRow("main menu") << "Meridiane" << "Meridiane";
        QTest::newRow("vertical menu") << "MenuVert" << "Meridiane";
        QTest::newRow("West sheet") << "GonvrtOvest" << "GonvrtEst";
        QTest::newRow("zodiac sheet") << "ZodiacoVrt" << "ZodiacoVrt";
        QTest::newRow("designer") << "Quadrante" << "Quadrante";
        QTest::newRow("wall survey") << "Rilievo" << "Rilievo";
        QTest::newRow("example drawing") << "DisCurveV" << "Disegno";
        QTest::newRow("notes") << "Note" << "";
    }
    void keysOfEveryWindow()
    {
        QFETCH(QString, window);
        QFETCH(QString, page);
        QCOMPARE(shell::ManualWindow::pageOf(window), page);
        QWidget *shown = shell::showWindow(window);
        QApplication::setActiveWindow(shown);
        QVERIFY(QTest::qWaitForWindowActive(shown));
        QTest::keyClick(shown, Qt::Key_F1);
        QWidget *manual = shell::WindowRegistry::instance().open(QStringLiteral("Manuale"));
        QVERIFY2(manual, "F1 opened no manual");
        QVERIFY(manual->isVisible());
        QPointer<QWidget> guard(shown);
        QApplication::setActiveWindow(shown);
        QVERIFY(QTest::qWaitForWindowActive(shown));
        QTest::keyClick(shown, Qt::Key_W, Qt::ControlModifier);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(!guard, "Ctrl+W left the window open");
        QVERIFY(shell::WindowRegistry::instance().open(QStringLiteral("Manuale")));
    }

    void manualInTheProgramsLanguage_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("has");
        QTest::newRow("Italian") << false << "Manuale"
                                 << QStringList{"Manuale di Horalo", "Verticali: curve zodiacali e anniversario", "elevazione dello stilo",
                                                "centro del quadrante (radice dello stilo)", "piede dello gnomone"};
        QTest::newRow("English") << true << "Manual"
                                 << QStringList{"Horalo manual", "Vertical: zodiac and anniversary curves", "style elevation",
                                                "dial centre (root of the style)", "foot of the gnomon"};
    }
    void manualInTheProgramsLanguage()
    {
        QFETCH(bool, english);
        QFETCH(QString, title);
        QFETCH(QStringList, has);
        speak(english ? shell::Language::English : shell::Language::Italian);
        QWidget *manual = shell::showWindow(QStringLiteral("Manuale"));
        QCOMPARE(manual->objectName(), QStringLiteral("Manuale"));
        QCOMPARE(manual->windowTitle(), title);
        auto *browser = manual->findChild<QTextBrowser *>();
        QVERIFY(browser);
        const QString text = browser->toPlainText();
        for (const QString &words : has)
            QVERIFY2(text.contains(words), qPrintable(words));
        // Every page has its picture, and every picture is in the program.
        const QString html = browser->toHtml();
        int pictures = 0;
        for (const char *page : {"Meridiane", "GonOrz", "CurveOrizz", "GonvrtEst", "CurveVrt", "ZodiacoVrt", "Quadrante", "Rilievo", "Disegno"}) {
            const QString picture = QStringLiteral("manual-%1-%2.png").arg(QString::fromLatin1(page), english ? QStringLiteral("en") : QStringLiteral("it"));
            QVERIFY2(html.contains(picture), qPrintable(picture));
            QVERIFY2(!QImage(QStringLiteral(":/help/") + picture).isNull(), qPrintable(picture));
            ++pictures;
        }
        QCOMPARE(pictures, 9);
    }

    void aboutBox()
    {
        speak(shell::Language::English);
        auto *box = qobject_cast<QMessageBox *>(shell::showWindow(QStringLiteral("Informazioni")));
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("About Horalo"));
        QVERIFY(!box->isModal());
        for (const char *words : {"Version 2002.1", "GPL-3.0-or-later", "VSOP87", "Meeus", "Espenak"})
            QVERIFY2(box->text().contains(QLatin1String(words)), words);
    }

    void recentFilesKeepTheLastEight()
    {
        QSettings(QStringLiteral("Horalo"), QStringLiteral("horalo")).remove(QStringLiteral("recentFiles"));
        QCOMPARE(shell::recentFiles(), QStringList());
        for (int k = 1; k <= 10; ++k)
            shell::addRecentFile(QStringLiteral("/dials/%1.horalo").arg(k));
        shell::addRecentFile(QStringLiteral("/dials/5.horalo"));
        QCOMPARE(shell::recentFiles(), (QStringList{"/dials/5.horalo", "/dials/10.horalo", "/dials/9.horalo", "/dials/8.horalo",
                                                    "/dials/7.horalo", "/dials/6.horalo", "/dials/4.horalo", "/dials/3.horalo"}));
        // The menu reads them when it opens.
        QWidget *window = shell::showWindow(QStringLiteral("Meridiane"));
        auto *recent = window->findChild<QMenu *>(QStringLiteral("menuRecent"));
        Q_EMIT recent->aboutToShow();
        QCOMPARE(recent->actions().size(), shell::kRecentFiles);
        QCOMPARE(recent->actions().front()->text(), QStringLiteral("&1 5.horalo"));
        QCOMPARE(recent->actions().front()->data().toString(), QStringLiteral("/dials/5.horalo"));
    }

    // The list of recent projects is read when the menu opens, not when the main menu is made:
    // a project made recent after the main menu opened is there at once.
    void recentMenuReadWhenItOpens_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("none yet") << QStringList() << QStringList{"(nessun progetto recente)"} << false;
        QTest::newRow("two, the last opened first")
            << QStringList{"/dials/torino.horalo", "/dials/aosta.horalo"} << QStringList{"&1 aosta.horalo", "&2 torino.horalo"} << true;
    }
    void recentMenuReadWhenItOpens()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, shown);
        QFETCH(bool, enabled);
        QSettings(QStringLiteral("Horalo"), QStringLiteral("horalo")).remove(QStringLiteral("recentFiles"));
        shell::showFresh(QStringLiteral("Meridiane"));
        QWidget *window = shell::showWindow(QStringLiteral("Meridiane"));
        auto *recent = window->findChild<QMenu *>(QStringLiteral("menuRecent"));
        QVERIFY(recent);
        QVERIFY(recent->actions().isEmpty());
        for (const QString &file : files)
            shell::addRecentFile(file);
        Q_EMIT recent->aboutToShow();
        QStringList texts;
        for (const QAction *item : recent->actions()) {
            texts << item->text();
            QCOMPARE(item->isEnabled(), enabled);
        }
        QCOMPARE(texts, shown);
    }

    void openingAProjectMakesItRecent()
    {
        QTemporaryDir dir;
        project::Project p;
        p.placeName = "Torino";
        const QString path = dir.filePath(QStringLiteral("torino.horalo"));
        std::string error;
        QVERIFY2(project::SaveProject(path.toStdString(), p, &error), error.c_str());
        QString refused;
        QVERIFY2(shell::openProject(path, &refused), qPrintable(refused));
        QWidget *designer = shell::WindowRegistry::instance().open(QStringLiteral("Quadrante"));
        QVERIFY(designer);
        QCOMPARE(designer->findChild<QLineEdit *>(QStringLiteral("nome"))->text(), QStringLiteral("Torino"));
        QCOMPARE(shell::recentFiles().front(), path);
        // "Nuovo quadrante" starts the designer afresh from its defaults.
        QWidget *menu = shell::showWindow(QStringLiteral("Meridiane"));
        action(menu, "actionNewDial")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QWidget *fresh = shell::WindowRegistry::instance().open(QStringLiteral("Quadrante"));
        QVERIFY(fresh);
        QCOMPARE(fresh->findChild<QLineEdit *>(QStringLiteral("nome"))->text(), QStringLiteral("Milano"));
        QVERIFY(!fresh->windowTitle().contains(QStringLiteral("torino.horalo")));
        // A file that is not there is refused with the reason, and does not become recent.
        const QString missing = dir.filePath(QStringLiteral("missing.horalo"));
        QVERIFY(!shell::openProject(missing, &refused));
        QVERIFY(!refused.isEmpty());
        QVERIFY(!shell::recentFiles().contains(missing));
    }
};

QTEST_MAIN(TestFinishedProgram)
#include "test_finishedprogram.moc"
