// Windows a user may resize open as they were last closed, also in the next run (the settings
// file), and never larger than the screen; the 2002 sheets, of fixed size, stay centred.

#include "shell/registry.h"

#include "sheet/qt/settings.h"

#include <QApplication>
#include <QScreen>
#include <QtTest/QtTest>

class TestWindowMemory : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        auto &registry = shell::WindowRegistry::instance();
        registry.add(QStringLiteral("Ridimensionabile"), [] {
            auto *w = new QWidget;
            w->setMinimumSize(200, 150);
            return w;
        });
        registry.add(QStringLiteral("Fissa"), [] {
            auto *w = new QWidget;
            w->setFixedSize(300, 200);
            return w;
        });
    }

    void sizeKeptBetweenOpenings_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QSize>("resizedTo");
        QTest::addColumn<QSize>("reopensAt");
        QTest::newRow("resizable window keeps its size") << "Ridimensionabile" << QSize(420, 330) << QSize(420, 330);
        QTest::newRow("fixed window keeps its own") << "Fissa" << QSize(420, 330) << QSize(300, 200);
    }
    void sizeKeptBetweenOpenings()
    {
        QFETCH(QString, window);
        QFETCH(QSize, resizedTo);
        QFETCH(QSize, reopensAt);
        QWidget *w = shell::showWindow(window);
        w->resize(resizedTo);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->close();
        QCoreApplication::processEvents();
        QWidget *again = shell::showWindow(window);
        QCOMPARE(again->size(), reopensAt);
        // What the next run reads.
        QCOMPARE(sheet::programSettings().contains(QStringLiteral("finestre/%1/geometria").arg(window)),
                 window == QLatin1String("Ridimensionabile"));
        again->close();
        QCoreApplication::processEvents();
    }

    // A save dialog proposes a file named after the place, safe on every file system.
    void proposedFileNames_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("stem");
        QTest::newRow("plain") << "Milano" << "Milano";
        QTest::newRow("marks become one underscore") << "B&B La  Meridiana" << "B_B_La_Meridiana";
        QTest::newRow("no folders in a name") << "../Villa/Rossi" << "Villa_Rossi";
        QTest::newRow("accents kept") << "Città di Castello" << "Città_di_Castello";
        QTest::newRow("nothing left") << " /// " << "quadrante";
    }
    void proposedFileNames()
    {
        QFETCH(QString, title);
        QFETCH(QString, stem);
        QCOMPARE(sheet::SafeFileStem(title, QStringLiteral("quadrante")), stem);
        const QFileInfo proposed(sheet::ProposedSavePath(title, QStringLiteral("quadrante"), QStringLiteral("pdf")));
        QCOMPARE(proposed.fileName(), stem + QStringLiteral(".pdf"));
        QVERIFY(proposed.dir().exists());
    }

    // A size saved on a larger screen opens no larger than this one's room.
    void neverLargerThanTheScreen()
    {
        QWidget *w = shell::showWindow(QStringLiteral("Ridimensionabile"));
        const QRect room = w->screen()->availableGeometry();
        w->resize(room.size() * 2);
        w->close();
        QCoreApplication::processEvents();
        QWidget *again = shell::showWindow(QStringLiteral("Ridimensionabile"));
        QCOMPARE_LE(again->frameGeometry().width(), room.width());
        QCOMPARE_LE(again->frameGeometry().height(), room.height());
        QVERIFY(room.contains(again->frameGeometry().topLeft()));
        again->close();
        QCoreApplication::processEvents();
    }
};

QTEST_MAIN(TestWindowMemory)
#include "test_windowmemory.moc"
