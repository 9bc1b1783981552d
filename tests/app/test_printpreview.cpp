// "Stampa…" on every 2002 sheet and the survey: Ctrl+P (or Shift with a print button, or its context menu)
// shows the report in a print preview before anything reaches a printer; closing the preview
// prints nothing and says nothing.

#include "horizontal/horizontalwindows.h"
#include "shell/registry.h"
#include "sheet/qt/printjob.h"
#include "survey/surveywindows.h"
#include "vertical/verticalwindows.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QtTest>

namespace {

// Counts the messages a print would end with.
class CountingNotifier final : public sheet::PrintNotifier {
public:
    int told = 0;
    void printSent(QWidget *) override { ++told; }
    void printFailed(QWidget *) override { ++told; }
};

} // namespace

class TestPrintPreview : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        horizontal::registerHorizontalWindows(shell::WindowRegistry::instance());
        vertical::registerVerticalWindows(shell::WindowRegistry::instance());
        survey::registerSurveyWindows(shell::WindowRegistry::instance());
    }

    void previewBeforePrinting_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("printButton");
        QTest::addColumn<int>("pages");
        QTest::addColumn<bool>("byShortcut");
        QTest::newRow("horizontal hour angles") << "GonOrz" << "Stampa" << 1 << true;
        QTest::newRow("horizontal curves") << "CurveOrizz" << "Stampa" << 1 << true;
        QTest::newRow("vertical curves, East") << "CurveVrt" << "StampaEst" << 1 << true;
        QTest::newRow("vertical curves, West") << "CurveVrt" << "Stampaovest" << 1 << false;
        QTest::newRow("zodiac, East") << "ZodiacoVrt" << "StampaEst" << 1 << true;
        QTest::newRow("declining East") << "GonvrtEst" << "Command4" << 1 << true;
        QTest::newRow("declining West") << "GonvrtOvest" << "Command4" << 1 << true;
        QTest::newRow("survey protractor") << "Rilievo" << "StampaGoniometro" << 1 << false;
    }
    void previewBeforePrinting()
    {
        QFETCH(QString, window);
        QFETCH(QString, printButton);
        QFETCH(int, pages);
        QFETCH(bool, byShortcut);
        CountingNotifier notifier;
        sheet::PrintNotifier *previous = sheet::setPrintNotifier(&notifier);
        QWidget *sheetWindow = shell::showWindow(window);
        QVERIFY(sheetWindow);
        QVERIFY(QTest::qWaitForWindowExposed(sheetWindow));

        // The preview is modal: look at it from inside its own event loop, then close it.
        auto inspect = [&](int *seenPages, QString *seenName) {
            QTimer::singleShot(0, [=] {
                auto *dialog = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
                if (!dialog)
                    return;
                *seenName = dialog->objectName();
                if (auto *view = dialog->findChild<QPrintPreviewWidget *>())
                    *seenPages = view->pageCount();
                dialog->reject();
            });
        };

        int seenPages = 0;
        QString seenName;
        if (byShortcut) {
            inspect(&seenPages, &seenName);
            QTest::keyClick(sheetWindow, Qt::Key_P, Qt::ControlModifier);
            QCOMPARE(seenName, sheet::kPreviewName);
            QCOMPARE(seenPages, pages);
        }

        // The print button's own context menu does the same.
        auto *button = sheetWindow->findChild<QPushButton *>(printButton);
        QVERIFY(button);
        QCOMPARE(button->actions().size(), 1);
        seenPages = 0;
        seenName.clear();
        inspect(&seenPages, &seenName);
        button->actions().first()->trigger();
        QCOMPARE(seenName, sheet::kPreviewName);
        QCOMPARE(seenPages, pages);

        // And so does a click with Shift held.
        seenPages = 0;
        seenName.clear();
        inspect(&seenPages, &seenName);
        QTest::mouseClick(button, Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(seenName, sheet::kPreviewName);
        QCOMPARE(seenPages, pages);

        QCOMPARE(notifier.told, 0);
        sheet::setPrintNotifier(previous);
        sheetWindow->close();
    }
};

QTEST_MAIN(TestPrintPreview)
#include "test_printpreview.moc"
