// The drawing buttons with the styles that once hung or crashed the program, typed and clicked
// as a user does: a style over 10 m is refused with its own warning in words and changes
// nothing; every style that passes shows its drawing, painted on screen, within a second of the
// click. And the CurveVrt "Calcola" that once hung: declination 90 with a style that is not a
// number.

#include "drawingtesting.h"
#include "sheettesting.h"

#include "horizontal/horizontalwindows.h"
#include "drawing/qt/drawingcanvas.h"
#include "shell/textwindows.h"
#include "vertical/verticalwindows.h"

#include <QElapsedTimer>
#include <QLabel>

namespace {

// From the click to the drawing on screen.
constexpr qint64 kClickToDrawingMs = 1000;

const QString kStyleWarningText = QStringLiteral("Lo stilo deve essere al massimo 10000 mm.");

// A style of 10 m and more digits than a double holds, as it was typed.
const QString kLargestDoubleStyle =
    QStringLiteral("179769313486231570814527423731704356798070567525844996598917") + QString(249, QLatin1Char('0'));

struct Case {
    QString sheet;
    QString button;
    QString latitude;
    QString declination; // empty for the horizontal sheet
    QString style;
};

void fill(QWidget *sheet, const Case &c)
{
    typeInto(sheet, QStringLiteral("Latx"), c.latitude);
    if (!c.declination.isEmpty())
        typeInto(sheet, QStringLiteral("DCL1"), c.declination);
    typeInto(sheet, QStringLiteral("s"), c.style);
}

} // namespace

class TestHostileDrawings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QApplication::setQuitOnLastWindowClosed(false);
        auto &registry = shell::WindowRegistry::instance();
        shell::registerShellWindows(registry);
        horizontal::registerHorizontalWindows(registry);
        vertical::registerVerticalWindows(registry);
    }
    void cleanup() { closeAllWindows(); }

    void styleOverTenMetresIsRefusedInWords_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("declination");
        QTest::addColumn<QString>("style");
        // The reproductions of the faults, then the first refused length.
        QTest::newRow("CurveOrizz lat 60 style 100000 (hung)") << "CurveOrizz" << "Disegno" << "60" << "" << "100000";
        QTest::newRow("CurveVrt lat 1 style 10000900000 West (crashed)")
            << "CurveVrt" << "DisegnoOvest" << "1" << "0,0000001" << "10000900000";
        QTest::newRow("CurveVrt lat 89 largest double West (sanitizer)")
            << "CurveVrt" << "DisegnoOvest" << "89" << "0,0000001" << kLargestDoubleStyle;
        QTest::newRow("ZodiacoVrt lat 52,3 style 1000000000 West (crashed)")
            << "ZodiacoVrt" << "DisegnoOvest" << "52,3" << "1" << "1000000000";
        QTest::newRow("CurveOrizz style 10000,01") << "CurveOrizz" << "Disegno" << "38" << "" << "10000,01";
        QTest::newRow("CurveVrt style 10000,01 East") << "CurveVrt" << "DisegnoEst" << "38" << "38" << "10000,01";
        QTest::newRow("ZodiacoVrt style 20000 East") << "ZodiacoVrt" << "DisegnoEst" << "38" << "38" << "20000";
    }
    void styleOverTenMetresIsRefusedInWords()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, button);
        QFETCH(QString, latitude);
        QFETCH(QString, declination);
        QFETCH(QString, style);
        QWidget *window = shell::showWindow(sheet);
        QVERIFY(window);
        fill(window, {sheet, button, latitude, declination, style});
        const auto before = allTexts(window);
        QElapsedTimer timer;
        timer.start();
        press(window, button);
        QVERIFY2(timer.elapsed() < kClickToDrawingMs, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(warningOpen(shell::kWarningStyle));
        QWidget *warning = shell::WindowRegistry::instance().open(QString::fromLatin1(shell::kWarningStyle));
        QCOMPARE(warning->windowTitle(), QStringLiteral("ERRORE!!"));
        QStringList texts;
        for (QLabel *label : warning->findChildren<QLabel *>())
            texts << label->text();
        QCOMPARE(texts, QStringList{kStyleWarningText});
        QVERIFY(!openDrawingWindow());
        QCOMPARE(allTexts(window), before);
    }

    // The longest styles that pass, on the walls where the shadow runs farthest: the drawing
    // is made and painted on screen, whole (as it opens) and zoomed in, within a second.
    void longestStylesAreDrawnWithinASecond_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("declination");
        QTest::addColumn<QString>("style");
        QTest::newRow("CurveOrizz lat 60 style 10000") << "CurveOrizz" << "Disegno" << "60" << "" << "10000";
        QTest::newRow("CurveOrizz lat 0,001 style 10000") << "CurveOrizz" << "Disegno" << "0,001" << "" << "10000";
        QTest::newRow("CurveVrt lat 1 barely declining style 10000 West")
            << "CurveVrt" << "DisegnoOvest" << "1" << "0,0000001" << "10000";
        QTest::newRow("CurveVrt lat 89 style 10000 East") << "CurveVrt" << "DisegnoEst" << "89" << "0,0000001" << "10000";
        QTest::newRow("ZodiacoVrt lat 52,3 style 10000 West") << "ZodiacoVrt" << "DisegnoOvest" << "52,3" << "1" << "10000";
        QTest::newRow("ZodiacoVrt lat 89,9 decl 89,9 style 10000 East")
            << "ZodiacoVrt" << "DisegnoEst" << "89,9" << "89,9" << "10000";
    }
    void longestStylesAreDrawnWithinASecond()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, button);
        QFETCH(QString, latitude);
        QFETCH(QString, declination);
        QFETCH(QString, style);
        QWidget *window = shell::showWindow(sheet);
        QVERIFY(window);
        fill(window, {sheet, button, latitude, declination, style});
        QElapsedTimer timer;
        timer.start();
        press(window, button);
        shell::DrawingWindow *drawing = openDrawingWindow();
        QVERIFY2(drawing, "no drawing window");
        drawing->grab(); // paints the whole drawing, fitted
        const qint64 fittedMs = timer.elapsed();
        QVERIFY2(fittedMs < kClickToDrawingMs, qPrintable(QStringLiteral("%1 ms to the fitted drawing").arg(fittedMs)));
        QVERIFY(drawing->canvas()->fitted());
        QVERIFY(drawing->drawing().widthMm > 10000);
        // Far in, where a dashed line would be cut into millions of dashes if it were cut whole.
        timer.restart();
        for (int i = 0; i < 60; ++i)
            drawing->canvas()->zoomIn();
        drawing->grab();
        QVERIFY2(timer.elapsed() < kClickToDrawingMs, qPrintable(QStringLiteral("%1 ms zoomed in").arg(timer.elapsed())));
        qInfo("%s: %lld ms to the drawing, %.0f x %.0f m", QTest::currentDataTag(), static_cast<long long>(fittedMs),
              drawing->drawing().widthMm / 1000, drawing->drawing().heightMm / 1000);
    }

    // The "Calcola" that once hung: the reader refuses "nan(0x1)" (a C library reads it as a
    // NaN), so the sheet says a value is missing; with a real style, declination 90 is out of
    // range. Either way nothing changes.
    void declinationNinetyIsRefusedWithoutHanging_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("warning");
        QTest::newRow("style nan(0x1)") << "nan(0x1)" << QString::fromLatin1(shell::kWarningMissing);
        QTest::newRow("style 40,32") << "40,32" << QString::fromLatin1(shell::kWarningRange);
    }
    void declinationNinetyIsRefusedWithoutHanging()
    {
        QFETCH(QString, style);
        QFETCH(QString, warning);
        QWidget *window = shell::showWindow(QStringLiteral("CurveVrt"));
        fill(window, {QString(), QString(), QStringLiteral("52,3"), QStringLiteral("90"), style});
        const auto before = allTexts(window);
        QElapsedTimer timer;
        timer.start();
        press(window, QStringLiteral("calcola"));
        QVERIFY(timer.elapsed() < kClickToDrawingMs);
        QVERIFY(warningOpen(qPrintable(warning)));
        QCOMPARE(allTexts(window), before);
    }
};

QTEST_MAIN(TestHostileDrawings)
#include "test_hostiledrawings.moc"
