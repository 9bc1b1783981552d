// With every sheet of the program registered, as the program starts it: no menu button is
// left disabled, each one opens a window with a title, and every window, field and button keeps
// its one name whatever language the program speaks.

#include "sheettesting.h"

#include "horizontal/horizontalwindows.h"
#include "survey/surveywindows.h"
#include "designer/quadrante.h"
#include "shell/language.h"
#include "vertical/verticalwindows.h"

#include <QElapsedTimer>
#include <QMenu>
#include <QTranslator>

namespace {

// The names a script or a test finds a window's parts by, with the kind of each part.
QStringList objectNamesOf(QWidget *window)
{
    QStringList names{QStringLiteral("%1 %2").arg(QString::fromLatin1(window->metaObject()->className()), window->objectName())};
    for (const QObject *child : window->findChildren<QObject *>())
        if (!child->objectName().isEmpty())
            names << QStringLiteral("%1 %2").arg(QString::fromLatin1(child->metaObject()->className()), child->objectName());
    names.sort();
    return names;
}

// The program's windows: the top-level widgets less the drop-down menus of the menu bar, which
// Qt also keeps as top-level widgets (hidden until they drop down).
QWidgetList programWindows()
{
    QWidgetList windows = QApplication::topLevelWidgets();
    windows.removeIf([](QWidget *w) { return qobject_cast<QMenu *>(w) != nullptr; });
    return windows;
}

QStringList openAndName(const QString &window)
{
    QWidget *shown = shell::showWindow(window);
    if (!shown)
        return {};
    const QStringList names = objectNamesOf(shown);
    closeAllWindows();
    return names;
}

// Italian is the program without catalogues; English installs them.
bool speak(shell::Language language)
{
    for (QTranslator *catalogue : QCoreApplication::instance()->findChildren<QTranslator *>())
        QCoreApplication::removeTranslator(catalogue);
    shell::installLanguage(language);
    const QString compute = QCoreApplication::translate("horalo", "Calcola");
    return compute == (language == shell::Language::English ? QLatin1String("Compute") : QLatin1String("Calcola"));
}

} // namespace

class TestAllWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        auto &registry = shell::WindowRegistry::instance();
        shell::registerShellWindows(registry);
        horizontal::registerHorizontalWindows(registry);
        vertical::registerVerticalWindows(registry);
        survey::registerSurveyWindows(registry);
        designer::registerDesignerWindows(registry);
    }
    void cleanup() { closeAllWindows(); }

    // The program starts with the menus, the manual and the about box, and promises the rest;
    // its second part, once loaded, brings exactly the windows promised, none missing, none more.
    void secondPartBringsTheWindowsPromised()
    {
        shell::WindowRegistry menus;
        shell::registerMenuWindows(menus);
        shell::WindowRegistry secondPart;
        shell::registerNotesAndDrawings(secondPart);
        horizontal::registerHorizontalWindows(secondPart);
        vertical::registerVerticalWindows(secondPart);
        survey::registerSurveyWindows(secondPart);
        designer::registerDesignerWindows(secondPart);
        QStringList promised;
        for (const char *name : shell::kSecondPartWindows)
            promised << QString::fromLatin1(name);
        promised.sort();
        QCOMPARE(secondPart.names(), promised);
        QCOMPARE(menus.names(), (QStringList{"Informazioni", "Manuale", "MenuOrz", "MenuVert", "Meridiane"}));
        QStringList every = menus.names() + secondPart.names();
        every.sort();
        QCOMPARE(every, shell::WindowRegistry::instance().names());
    }

    void startsWithTheMainMenuOnly()
    {
        QElapsedTimer timer;
        timer.start();
        QWidget *menu = shell::showWindow(QStringLiteral("Meridiane"));
        qInfo("main menu made and shown in %lld ms", static_cast<long long>(timer.elapsed()));
        QVERIFY(menu);
        QCOMPARE(programWindows().size(), 1);
    }

    void everyMenuButtonOpensAWindow_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::newRow("main menu") << "Meridiane";
        QTest::newRow("horizontal dials menu") << "MenuOrz";
        QTest::newRow("vertical dials menu") << "MenuVert";
    }
    void everyMenuButtonOpensAWindow()
    {
        QFETCH(QString, menu);
        QWidget *window = shell::showWindow(menu);
        const auto buttons = window->findChildren<QPushButton *>();
        QVERIFY(!buttons.isEmpty());
        for (QPushButton *button : buttons) {
            QVERIFY2(button->isEnabled(), qPrintable(button->text()));
            const int before = programWindows().size();
            QTest::mouseClick(button, Qt::LeftButton);
            QApplication::processEvents();
            QVERIFY2(programWindows().size() >= before, qPrintable(button->text()));
            QWidget *active = programWindows().last();
            QVERIFY2(!active->windowTitle().isEmpty(), qPrintable(button->text()));
        }
    }

    void namesDoNotDependOnTheLanguage_data()
    {
        QTest::addColumn<QString>("window");
        const QStringList names = shell::WindowRegistry::instance().names();
        QVERIFY(names.size() >= 20);
        for (const QString &name : names)
            QTest::newRow(qPrintable(name)) << name;
    }
    void namesDoNotDependOnTheLanguage()
    {
        QFETCH(QString, window);
        QVERIFY(speak(shell::Language::Italian));
        const QStringList italian = openAndName(window);
        QVERIFY(speak(shell::Language::English));
        const QStringList english = openAndName(window);
        QVERIFY(speak(shell::Language::Italian));
        QVERIFY2(!italian.isEmpty(), qPrintable(window));
        const QSet<QString> it(italian.cbegin(), italian.cend());
        const QSet<QString> en(english.cbegin(), english.cend());
        QVERIFY2(it == en, qPrintable(QStringLiteral("only in Italian: %1; only in English: %2")
                                          .arg(QStringList((it - en).values()).join(QStringLiteral(", ")),
                                               QStringList((en - it).values()).join(QStringLiteral(", ")))));
        QCOMPARE(english, italian);
    }
};

QTEST_MAIN(TestAllWindows)
#include "test_allwindows.moc"
