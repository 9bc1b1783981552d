// With every sheet of the program registered, as the program starts it: no menu button is
// left disabled, and each one opens a window with a title.

#include "sheettesting.h"

#include "horizontal/horizontalwindows.h"
#include "survey/surveywindows.h"
#include "designer/quadrante.h"
#include "vertical/verticalwindows.h"

#include <QElapsedTimer>

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

    void startsWithTheMainMenuOnly()
    {
        QElapsedTimer timer;
        timer.start();
        QWidget *menu = shell::showWindow(QStringLiteral("Meridiane"));
        qInfo("main menu made and shown in %lld ms", static_cast<long long>(timer.elapsed()));
        QVERIFY(menu);
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
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
            const int before = QApplication::topLevelWidgets().size();
            QTest::mouseClick(button, Qt::LeftButton);
            QApplication::processEvents();
            QVERIFY2(QApplication::topLevelWidgets().size() >= before, qPrintable(button->text()));
            QWidget *active = QApplication::topLevelWidgets().last();
            QVERIFY2(!active->windowTitle().isEmpty(), qPrintable(button->text()));
        }
    }
};

QTEST_MAIN(TestAllWindows)
#include "test_allwindows.moc"
