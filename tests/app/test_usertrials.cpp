// The sheets as a new user meets them: a print that matches its heading, refusals that say
// why, warnings put away from the keyboard.

#include "sheettesting.h"

#include "horizontal/horizontalwindows.h"
#include "sheet/numbers.h"
#include "shell/textwindows.h"
#include "vertical/verticalwindows.h"

#include <QLabel>

namespace {

QStringList labelTexts(QWidget *window)
{
    QStringList texts;
    for (QLabel *label : window->findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

} // namespace

class TestUserTrials : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        auto &registry = shell::WindowRegistry::instance();
        shell::registerShellWindows(registry);
        horizontal::registerHorizontalWindows(registry);
        vertical::registerVerticalWindows(registry);
    }
    void cleanup() { closeAllWindows(); }

    // A latitude typed and then "Stampa" at once: the page is made from the new table, since
    // printing computes the sheet first. A sample cell of each sheet tells the new table.
    void printComputesFirst_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("expected");
        // Hand values: tan A = sin 45 tan 45 gives 35,26 at 9 o'clock; at latitude 45 the
        // style of 10 stands 7,1 high; on the wall declining 38 at latitude 45 the style rises
        // asin(cos 45 cos 38) = 33,86 degrees from the wall.
        QTest::newRow("hour angles") << "GonOrz" << "LAT" << "45" << "Stampa" << "IX" << "35,26";
        QTest::newRow("horizontal curves") << "CurveOrizz" << "Latx" << "45" << "Stampa" << "h" << "7,1";
        QTest::newRow("vertical curves") << "CurveVrt" << "Latx" << "45" << "StampaEst" << "e3" << "33,86";
    }
    void printComputesFirst()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, input);
        QFETCH(QString, value);
        QFETCH(QString, button);
        QFETCH(QString, cell);
        QFETCH(QString, expected);
        PrintRecorder recorder;
        QWidget *window = shell::showWindow(sheet);
        typeInto(window, input, value);
        press(window, button);
        QCOMPARE(textOf(window, cell), expected);
        QCOMPARE(recorder.messages.size(), 1); // sent or failed: one answer, for the new table
    }

    // A refused input prints nothing: the warning is the only answer.
    void refusedPrintSendsNothing()
    {
        PrintRecorder recorder;
        QWidget *window = shell::showWindow(QStringLiteral("CurveVrt"));
        const auto before = allTexts(window);
        typeInto(window, "Latx", "0");
        press(window, "StampaEst");
        QVERIFY(warningOpen("errore"));
        QVERIFY(recorder.messages.isEmpty());
        auto after = allTexts(window);
        after.insert(QStringLiteral("Latx"), before.value(QStringLiteral("Latx")));
        QCOMPARE(after, before);
    }

    void refusalsSayWhy_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("warning");
        QTest::newRow("hour angles, latitude 95") << "GonOrz" << "LAT" << "95" << shell::kWarningLatitude;
        QTest::newRow("hour angles, latitude -90,5") << "GonOrz" << "LAT" << "-90,5" << shell::kWarningLatitude;
        QTest::newRow("horizontal curves, latitude 120") << "CurveOrizz" << "Latx" << "120" << shell::kWarningLatitude;
        QTest::newRow("horizontal curves, style 0") << "CurveOrizz" << "s" << "0" << shell::kWarningMissing;
        QTest::newRow("horizontal curves, style -10") << "CurveOrizz" << "s" << "-10" << shell::kWarningNegative;
        QTest::newRow("horizontal curves, style abc") << "CurveOrizz" << "s" << "abc" << shell::kWarningMissing;
        QTest::newRow("zodiac, anniversary 30") << "ZodiacoVrt" << "an" << "30" << shell::kWarningSunDeclination;
        QTest::newRow("zodiac, sign -24") << "ZodiacoVrt" << "dlc1" << "-24" << shell::kWarningSunDeclination;
        QTest::newRow("zodiac, anniversary abc") << "ZodiacoVrt" << "an" << "abc" << shell::kWarningMissing;
    }
    void refusalsSayWhy()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, input);
        QFETCH(QString, value);
        QFETCH(QString, warning);
        QWidget *window = shell::showWindow(sheet);
        typeInto(window, input, value);
        auto before = allTexts(window);
        QTest::keyClick(fieldOf(window, input), Qt::Key_Return);
        QVERIFY2(warningOpen(qPrintable(warning)), qPrintable(warning));
        QCOMPARE(allTexts(window), before);
        for (const QString &t : labelTexts(shell::WindowRegistry::instance().open(warning)))
            QVERIFY2(!t.trimmed().isEmpty(), "every warning says something");
    }

    // The latitude warning in the program's own words.
    void latitudeWarningText()
    {
        QWidget *w = shell::showWindow(QString::fromLatin1(shell::kWarningLatitude));
        QCOMPARE(w->windowTitle(), QStringLiteral("ERRORE!!"));
        QVERIFY(labelTexts(w).contains(QStringLiteral("La latitudine deve essere compresa tra -90° e 90°.")));
    }

    // Every warning and note takes the keyboard when shown and goes away with Esc or Enter.
    void warningsCloseFromTheKeyboard_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("key");
        for (const char *name : {"errore", "errore2", "errore3", "errore4", "erroreLatitudine",
                                 "erroreDeclinazione", "Note", "InfoDCL", "Declinazione"}) {
            QTest::addRow("%s, Esc", name) << QString::fromLatin1(name) << int(Qt::Key_Escape);
            QTest::addRow("%s, Enter", name) << QString::fromLatin1(name) << int(Qt::Key_Return);
        }
    }
    void warningsCloseFromTheKeyboard()
    {
        QFETCH(QString, window);
        QFETCH(int, key);
        QWidget *w = shell::showWindow(window);
        QVERIFY(w);
        QApplication::setActiveWindow(w);
        QTRY_VERIFY(w->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QTRY_VERIFY(!shell::WindowRegistry::instance().open(window));
    }

    // A declination of 0 is the wall facing due South on every vertical sheet.
    void southFacingWallOnEveryVerticalSheet_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("expected");
        // On a South wall the substyle is the noon line itself: its angle is 0. The zodiac
        // sheet's anniversary column at noon must show a number.
        QTest::newRow("vertical curves") << "CurveVrt" << "f" << "0,00";
        QTest::newRow("zodiac") << "ZodiacoVrt" << "dodici5" << "";
    }
    void southFacingWallOnEveryVerticalSheet()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, cell);
        QFETCH(QString, expected);
        QWidget *window = shell::showWindow(sheet);
        typeInto(window, "DCL1", "0");
        QTest::keyClick(fieldOf(window, "DCL1"), Qt::Key_Return);
        for (const char *w : {"errore", "errore2", "errore3"})
            QVERIFY2(!warningOpen(w), w);
        if (!expected.isEmpty())
            QCOMPARE(textOf(window, cell), expected);
        else
            QVERIFY(sheet::ReadNumber(textOf(window, cell).toStdString()).has_value());
    }
};

QTEST_MAIN(TestUserTrials)
#include "test_usertrials.moc"
