// The shell as a user meets it: one window per name, centred, destroyed on close; menus
// that open their windows; warnings and notes with their exact words.

#include "testsupport.h"

#include "shell/centring.h"
#include "shell/registry.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using shell::WindowRegistry;

namespace {

QStringList labelTexts(QWidget *window)
{
    QStringList texts;
    for (QLabel *label : window->findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

void closeAll()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        auto &registry = WindowRegistry::instance();
        shell::registerShellWindows(registry);
        // A stand-in sheet, so the single-instance rules can be seen on a window with fields.
        registry.add(QStringLiteral("Probe"), [] {
            auto *w = new QWidget;
            auto *edit = new QLineEdit(QStringLiteral("38"), w);
            edit->setObjectName(QStringLiteral("LAT"));
            return w;
        });
    }
    void cleanup() { closeAll(); }

    void centringOffsets_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("even sizes") << QRect(0, 0, 1280, 800) << QSize(400, 300) << QPoint(440, 250);
        QTest::newRow("odd difference drops the remainder") << QRect(0, 0, 1025, 769) << QSize(400, 300)
                                                            << QPoint(312, 234);
        QTest::newRow("second screen to the right") << QRect(1920, 0, 1280, 1024) << QSize(200, 100)
                                                    << QPoint(2460, 462);
        QTest::newRow("window larger than the screen") << QRect(0, 0, 640, 480) << QSize(900, 700)
                                                       << QPoint(-130, -110);
        QTest::newRow("sizes that the old AND test left in place") << QRect(0, 0, 1024, 768) << QSize(512, 256)
                                                                   << QPoint(256, 256);
    }
    void centringOffsets()
    {
        QFETCH(QRect, screen);
        QFETCH(QSize, window);
        QFETCH(QPoint, topLeft);
        QCOMPARE(shell::centredPosition(screen, window), topLeft);

        QWidget w;
        w.resize(window);
        shell::CentraForm(&w, screen);
        QCOMPARE(w.pos(), topLeft);
        QCOMPARE(w.size(), window);
    }

    void centringLeavesMaximisedAlone()
    {
        QWidget w;
        w.resize(300, 200);
        w.move(7, 9);
        w.setWindowState(Qt::WindowMaximized);
        shell::CentraForm(&w, QRect(0, 0, 1280, 800));
        QCOMPARE(w.pos(), QPoint(7, 9));
        w.setWindowState(Qt::WindowMinimized);
        shell::CentraForm(&w, QRect(0, 0, 1280, 800));
        QCOMPARE(w.pos(), QPoint(7, 9));
    }

    void showCreatesCentredOnce()
    {
        QWidget *menu = shell::showWindow(QStringLiteral("Meridiane"));
        QVERIFY(menu);
        QCOMPARE(menu->objectName(), QStringLiteral("Meridiane"));
        QCOMPARE(menu->windowTitle(), QStringLiteral("Menu Principale"));
        QVERIFY(menu->isVisible());
        QVERIFY(!menu->isModal());
        const QRect screen = menu->screen()->availableGeometry();
        QCOMPARE(menu->pos(), shell::centredPosition(screen, menu->size()));
    }

    void secondShowRaisesTheSameWindowWithItsTexts()
    {
        QWidget *first = shell::showWindow(QStringLiteral("Probe"));
        first->findChild<QLineEdit *>(QStringLiteral("LAT"))->setText(QStringLiteral("45"));
        first->move(3, 4);
        QWidget *second = shell::showWindow(QStringLiteral("Probe"));
        QCOMPARE(second, first);
        QCOMPARE(second->pos(), QPoint(3, 4)); // centred only when created
        QCOMPARE(second->findChild<QLineEdit *>(QStringLiteral("LAT"))->text(), QStringLiteral("45"));
    }

    void closedWindowComesBackWithDefaults()
    {
        QWidget *first = shell::showWindow(QStringLiteral("Probe"));
        first->findChild<QLineEdit *>(QStringLiteral("LAT"))->setText(QStringLiteral("45"));
        QPointer<QWidget> watch(first);
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(watch.isNull());
        QVERIFY(!WindowRegistry::instance().open(QStringLiteral("Probe")));
        QWidget *again = shell::showWindow(QStringLiteral("Probe"));
        QCOMPARE(again->findChild<QLineEdit *>(QStringLiteral("LAT"))->text(), QStringLiteral("38"));
    }

    void unknownWindowIsNotShown()
    {
        QCOMPARE(shell::showWindow(QStringLiteral("NoSuchWindow")), nullptr);
    }

    void menuButtonsOpenTheirWindows_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("title");
        QTest::newRow("main: Orizzontali") << "Meridiane" << "Orizzontali" << "Orizzontali" << "MenuOrz" << "Menu Orizzontali";
        QTest::newRow("main: Verticali") << "Meridiane" << "Verticali" << "Verticali" << "MenuVert" << "Menu Verticali";
        QTest::newRow("main: Note") << "Meridiane" << "NoteButton" << "Note" << "Note" << "Note";
        QTest::newRow("horizontal: first example") << "MenuOrz" << "EsempioGonOrz" << "Esempio" << "DisGonOrz" << "Goniometro";
        QTest::newRow("horizontal: second example") << "MenuOrz" << "EsempioCurveO" << "Esempio" << "DisCurveO" << "Esempio";
        QTest::newRow("vertical: East example") << "MenuVert" << "EsempioEst" << "Esempio" << "DisGonVrt" << "Verticale declinante";
        QTest::newRow("vertical: West example") << "MenuVert" << "EsempioOvest" << "Esempio" << "DisGonVrtOvest"
                                                << "Verticale declinante ad Ovest";
        QTest::newRow("vertical: curves example") << "MenuVert" << "EsempioCurveV" << "Esempio" << "DisCurveV"
                                                  << "Disegno delle curve sostiziali verticali";
        QTest::newRow("vertical: zodiac example") << "MenuVert" << "EsempioZodiaco" << "Esempio" << "DisCurveZ"
                                                  << "Disegno delle curve zodiacali verticali";
        QTest::newRow("vertical: Non declinante") << "MenuVert" << "NonDeclinante" << "Non declinante" << "InfoDCL" << "Info DCL";
    }
    void menuButtonsOpenTheirWindows()
    {
        QFETCH(QString, menu);
        QFETCH(QString, button);
        QFETCH(QString, text);
        QFETCH(QString, target);
        QFETCH(QString, title);
        QWidget *window = shell::showWindow(menu);
        auto *b = window->findChild<QPushButton *>(button);
        QVERIFY2(b, qPrintable(button));
        QCOMPARE(b->text(), text);
        QVERIFY(b->isEnabled());
        QTest::mouseClick(b, Qt::LeftButton);
        QWidget *opened = WindowRegistry::instance().open(target);
        QVERIFY2(opened, qPrintable(target));
        QCOMPARE(opened->windowTitle(), title);
        QVERIFY(opened->isVisible());
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(WindowRegistry::instance().open(target), opened); // still one window
    }

    void sheetButtonsWithoutTheirSheetAreDisabled()
    {
        // Only the shell is registered here: the sheet buttons exist, with their texts, but
        // cannot be pressed.
        QWidget *vert = shell::showWindow(QStringLiteral("MenuVert"));
        QCOMPARE(vert->windowTitle(), QStringLiteral("Menu Verticali"));
        const QStringList texts{"Declina Est", "Declina Ovest", "Curve solstiziali", "Curve zodiacali e anniversario"};
        for (const QString &t : texts) {
            QPushButton *found = nullptr;
            for (auto *b : vert->findChildren<QPushButton *>())
                if (b->text() == t)
                    found = b;
            QVERIFY2(found, qPrintable(t));
            QVERIFY(!found->isEnabled());
        }
        QVERIFY(labelTexts(vert).contains(QStringLiteral("Meridiane verticali declinanti")));
        QWidget *orz = shell::showWindow(QStringLiteral("MenuOrz"));
        QVERIFY(labelTexts(orz).contains(QStringLiteral("Meridiane Orizzontali")));
    }

    void textWindows_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("missing value warning")
            << "errore" << "Errore"
            << QStringList{"Attenzionenon è stato imesso qualche ", "valore indispensabile!!!"};
        QTest::newRow("negative value warning")
            << "errore2" << "ERRORE!!" << QStringList{"I valori imessi devono  avere ", "valore positivo."};
        QTest::newRow("out of range warning")
            << "errore3" << "ERRORE!!"
            << QStringList{"Latitudine e declinazione devono essere ", "minori di 90°."};
        QTest::newRow("non-declining note")
            << "InfoDCL" << "Info DCL"
            << QStringList{"Se la meridiana non è declinante (parete rivolta esattamente a Sud), inserite come valore di "
                           "declinazione 0, oppure usate il menu ORIZZONTALI."};
        QTest::newRow("zodiac note")
            << "Declinazione" << "Declinazione"
            << QStringList{"1) Se si desidera si possono variare i gradi di declinazione corrispondenti ai segni zodiacali (blu)",
                           "2) Inserite il valore di declinazione corrispondente alla data di anniversario (Rosso)",
                           "3) Se non si inserisce alcun valore nella casella anniversario i valori sono quelli dei giorni di equinozio"};
        QTest::newRow("notes")
            << "Note" << "Note"
            << QStringList{"E' Possibile anche avere le coordinate cartesiane degli angoli orari invece del valore in gradi. ",
                           "Gran parte del programma è stato eseguito con i comandi copia/incolla e poi modificati. I test "
                           "sono stati effettuati a campionatura.Non si esclude quindi la possibilità di errori.Se li trovate scrivetemi"};
    }
    void textWindows()
    {
        QFETCH(QString, name);
        QFETCH(QString, title);
        QFETCH(QStringList, labels);
        QWidget *w = shell::showWindow(name);
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), title);
        QCOMPARE(labelTexts(w), labels);
        QVERIFY(w->findChildren<QPushButton *>().isEmpty());
        QVERIFY(!w->isModal());
    }

    void warningShownTwiceIsOneWindow()
    {
        QWidget *first = shell::showWindow(QStringLiteral("errore"));
        QWidget *second = shell::showWindow(QStringLiteral("errore"));
        QCOMPARE(first, second);
        int count = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("errore") && w->isVisible())
                ++count;
        QCOMPARE(count, 1);
    }

    void drawingsPaintTheirFigures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("protractor") << "DisGonOrz";
        QTest::newRow("wall declining East") << "DisGonVrt";
        QTest::newRow("wall declining West") << "DisGonVrtOvest";
        QTest::newRow("horizontal curves") << "DisCurveO";
        QTest::newRow("vertical curves") << "DisCurveV";
        QTest::newRow("zodiac curves") << "DisCurveZ";
        QTest::newRow("notes picture") << "Note";
    }
    void drawingsPaintTheirFigures()
    {
        QFETCH(QString, name);
        QWidget *w = shell::showWindow(name);
        const QImage image = w->grab().toImage();
        // Something dark was drawn on the light canvas.
        int dark = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                if (qGray(image.pixel(x, y)) < 80)
                    ++dark;
        QVERIFY2(dark > 100, qPrintable(QString::number(dark)));
    }
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
