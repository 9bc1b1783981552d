// The wall survey window driven as a user does, by the names of its fields: readings of a wall
// declining 23 degrees West, one of them an hour off; refusals beside the fields; the plumb
// line; the hand-over to the designer and back.

#include "sheettesting.h"

#include "gnomonics/wallsurvey.h"
#include "survey/rilievowindow.h"
#include "survey/surveyform.h"
#include "survey/surveywindows.h"

#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>

namespace {

// A stand-in for the designer: it offers its place and records what the survey hands it.
class FakeDesigner : public QWidget {
    Q_OBJECT
public:
    static inline double declination = 0, inclination = 0;
    static inline QString json;
    static inline int calls = 0;
    Q_INVOKABLE QString placeJson() const
    {
        return QStringLiteral(R"({"latitudine":-33.87,"longitudine":151.21,"fuso":10,"ora_legale":true})");
    }
    Q_INVOKABLE void applySurvey(double d, double i, const QString &j)
    {
        declination = d;
        inclination = i;
        json = j;
        ++calls;
    }
};

QString labelText(QWidget *w, const QString &name)
{
    auto *label = w->findChild<QLabel *>(name);
    return label ? label->text() : QStringLiteral("<no label %1>").arg(name);
}

// The value a declination text stands for, West positive: "23,15 Ovest" is 23.15.
double declinationOf(const QString &text)
{
    QString t = text;
    const double sign = t.endsWith(QStringLiteral(" Est")) ? -1 : 1;
    t.remove(QStringLiteral(" Ovest")).remove(QStringLiteral(" Est")).replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok ? sign * v : std::nan("");
}

// Every text the user can read in the window, to look for "nan" and "inf".
QString everyText(QWidget *w)
{
    QStringList all;
    for (QLineEdit *e : w->findChildren<QLineEdit *>())
        all << e->text();
    for (QLabel *l : w->findChildren<QLabel *>())
        all << l->text();
    return all.join(QLatin1Char('|'));
}

// The angle a wall declining wallDeg shows at that clock time (from the program's Sun, whose
// azimuth is checked against an independent formula in test_wallsurvey), typed to 0,001.
QString alphaFor(double lat, double lon, double zone, bool summer, sheet::CivilDate date, double clock, double wallDeg)
{
    gnomonics::Place p;
    p.latitudeDeg = lat;
    p.longitudeDeg = lon;
    p.zoneHours = zone;
    p.summerTime = summer;
    const auto sun = gnomonics::SunForSurvey(p, {date, clock, 0});
    return QString::number(gnomonics::NormaliseDeg(sun.azimuthDeg - wallDeg), 'f', 3).replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace

class TestRilievo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QStandardPaths::setTestModeEnabled(true);
        QApplication::setQuitOnLastWindowClosed(false);
        shell::registerShellWindows(shell::WindowRegistry::instance());
        survey::registerSurveyWindows(shell::WindowRegistry::instance());
    }
    void cleanup() { closeAllWindows(); }

    void mainMenuOpensTheSurvey()
    {
        QWidget *menu = shell::showWindow(QStringLiteral("Meridiane"));
        HORALO_FIND(QPushButton, button, menu, "RilievoParete");
        QCOMPARE(button->text(), QStringLiteral("Rilievo parete"));
        QVERIFY(button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
        QWidget *w = shell::WindowRegistry::instance().open(QStringLiteral("Rilievo"));
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Rilievo della parete"));
        // The designer's defaults when the designer is not open: Milan, zone 1, no summer time.
        QCOMPARE(textOf(w, "Lat"), QStringLiteral("45,4642"));
        QCOMPARE(textOf(w, "Lon"), QStringLiteral("9,19"));
        QCOMPARE(textOf(w, "Fuso"), QStringLiteral("1"));
        HORALO_FIND(QCheckBox, summer, w, "Legale");
        QVERIFY(!summer->isChecked());
        for (const char *name : {"Calcola", "Usa nel Quadrante", "Stampa", "Stampa goniometro 1:1"}) {
            bool found = false;
            for (QPushButton *b : w->findChildren<QPushButton *>())
                found = found || b->text() == QLatin1String(name);
            QVERIFY2(found, name);
        }
        for (int k = 1; k <= 12; ++k)
            for (const char *stem : {"data", "ora", "alfa", "azimut", "altezza", "decl"})
                QVERIFY2(fieldOf(w, QString::fromLatin1(stem) + QString::number(k)), stem);
        for (const char *name : {"media", "scarto", "filo", "filoA", "filoB", "incl"})
            QVERIFY2(fieldOf(w, QString::fromLatin1(name)), name);
    }

    // Five readings in Milan on 15 July 2024 (summer time) of a wall declining 23 West; the
    // fourth is typed 15:20 though the shadow was read at 16:20.
    void fiveReadingsOneAnHourOff()
    {
        QWidget *w = shell::showWindow(QStringLiteral("Rilievo"));
        HORALO_FIND(QCheckBox, summer, w, "Legale");
        summer->setChecked(true);
        const QStringList clocks{"13:00:00", "14:10:00", "15:20:00", "16:20:00", "17:40:00"};
        const std::array<double, 5> hours{13.0, 14 + 10 / 60.0, 15 + 20 / 60.0, 16 + 20 / 60.0, 17 + 40 / 60.0};
        for (int k = 0; k < 5; ++k) {
            const QString n = QString::number(k + 1);
            typeInto(w, "data" + n, QStringLiteral("15/07/2024"));
            typeInto(w, "ora" + n, k == 3 ? QStringLiteral("15:20:00") : clocks[k]);
            typeInto(w, "alfa" + n, alphaFor(45.4642, 9.19, 1, true, {2024, 7, 15}, hours[static_cast<std::size_t>(k)], 23));
        }
        press(w, "Calcola");
        const double tolMeanDeg = 0.01;
        QVERIFY2(textOf(w, "media").endsWith(QStringLiteral(" Ovest")), qPrintable(textOf(w, "media")));
        HORALO_COMPARE_NEAR(declinationOf(textOf(w, "media")), 23.0, tolMeanDeg);
        for (int k : {1, 2, 3, 5}) {
            const QString n = QString::number(k);
            HORALO_COMPARE_NEAR(declinationOf(textOf(w, "decl" + n)), 23.0, 0.01);
            QCOMPARE(labelText(w, "nota" + n), QString());
        }
        // An hour earlier the Sun stood about 15-20 degrees further East.
        const double off = declinationOf(textOf(w, "decl4"));
        QVERIFY2(off < 23 - 10, qPrintable(textOf(w, "decl4")));
        QVERIFY2(labelText(w, "nota4").startsWith(QStringLiteral("scartata: dista ")), qPrintable(labelText(w, "nota4")));
        QVERIFY2(labelText(w, "scartate").startsWith(QStringLiteral("Riga 4 scartata: dista ")),
                 qPrintable(labelText(w, "scartate")));
        QVERIFY(!textOf(w, "scarto").isEmpty());
        QVERIFY(textOf(w, "precisione").startsWith(QStringLiteral("± ")));
        QVERIFY(!everyText(w).contains(QStringLiteral("nan"), Qt::CaseInsensitive));
        QVERIFY(!everyText(w).contains(QStringLiteral("inf"), Qt::CaseInsensitive));
    }

    // The Sun's azimuth and altitude as the window shows them, against the pure function.
    void rowShowsTheSun()
    {
        QWidget *w = shell::showWindow(QStringLiteral("Rilievo"));
        typeInto(w, "data1", QStringLiteral("21/12/2023"));
        typeInto(w, "ora1", QStringLiteral("12:00:00"));
        typeInto(w, "alfa1", QStringLiteral("-3,5"));
        // Enter in a field computes as "Calcola" does.
        QTest::keyClick(fieldOf(w, "alfa1"), Qt::Key_Return);
        gnomonics::Place p;
        const auto sun = gnomonics::SunForSurvey(p, {{2023, 12, 21}, 12.0, 0});
        HORALO_COMPARE_NEAR(textOf(w, "azimut1").replace(',', '.').toDouble(), sun.azimuthDeg, 0.005);
        HORALO_COMPARE_NEAR(textOf(w, "altezza1").replace(',', '.').toDouble(), sun.altitudeDeg, 0.005);
        HORALO_COMPARE_NEAR(declinationOf(textOf(w, "decl1")), sun.azimuthDeg + 3.5, 0.005);
        QCOMPARE(textOf(w, "media"), textOf(w, "decl1"));
        // One reading has no spread: the window says so instead of showing a number.
        QCOMPARE(textOf(w, "scarto"), QString());
        QCOMPARE(textOf(w, "precisione"), QStringLiteral("una sola osservazione: nessuno scarto"));
    }

    void impossibleAndIgnoredRows()
    {
        QWidget *w = shell::showWindow(QStringLiteral("Rilievo"));
        typeInto(w, "data1", QStringLiteral("10/01/2024"));
        typeInto(w, "ora1", QStringLiteral("23:30:00"));
        typeInto(w, "alfa1", QStringLiteral("10"));
        typeInto(w, "data2", QStringLiteral("10/01/2024"));
        typeInto(w, "ora2", QStringLiteral("12:00:00"));
        press(w, "Calcola");
        QCOMPARE(textOf(w, "decl1"), QStringLiteral("impossibile"));
        QVERIFY2(labelText(w, "nota1").contains(QStringLiteral("sotto l'orizzonte")), qPrintable(labelText(w, "nota1")));
        QCOMPARE(textOf(w, "decl2"), QStringLiteral("ignorata"));
        QCOMPARE(labelText(w, "nota2"), QStringLiteral("riga ignorata: manca l'angolo α"));
        QCOMPARE(textOf(w, "media"), QString());
        QCOMPARE(textOf(w, "precisione"), QStringLiteral("nessuna osservazione valida"));
        QVERIFY(!everyText(w).contains(QStringLiteral("nan"), Qt::CaseInsensitive));
    }

    void refusalsBesideTheField_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("noteLabel");
        QTest::addColumn<QString>("words");
        QTest::newRow("31 February") << "data2" << "31/02/2024" << "nota2" << "data: questa data non esiste";
        QTest::newRow("date without year") << "data2" << "15/07" << "nota2" << "data: scrivere gg/mm/aaaa";
        QTest::newRow("year 1550") << "data2" << "15/07/1550" << "nota2" << "data: l'anno va dal 1600 al 2400";
        QTest::newRow("clock 24:00:00") << "ora2" << "24:00:00" << "nota2" << "ora: l'ora va da 00:00:00 a 23:59:59";
        QTest::newRow("clock 12:60:00") << "ora2" << "12:60:00" << "nota2" << "ora: l'ora va da 00:00:00 a 23:59:59";
        QTest::newRow("clock with a dot") << "ora2" << "12.30" << "nota2" << "ora: scrivere hh:mm:ss";
        QTest::newRow("alpha 90") << "alfa2" << "90" << "nota2" << "α: l'angolo va da -90 a 90, esclusi";
        QTest::newRow("alpha -120") << "alfa2" << "-120" << "nota2" << "α: l'angolo va da -90 a 90, esclusi";
        QTest::newRow("alpha letters") << "alfa2" << "dieci" << "nota2" << "α: non è un numero";
        QTest::newRow("zone 15") << "Fuso" << "15" << "notaFuso" << "il fuso va da -12 a 14 ore";
        QTest::newRow("zone -13") << "Fuso" << "-13" << "notaFuso" << "il fuso va da -12 a 14 ore";
        QTest::newRow("zone empty") << "Fuso" << "" << "notaFuso" << "manca il valore";
        QTest::newRow("latitude 90") << "Lat" << "90" << "notaLat" << "la latitudine va da -89,99 a 89,99";
        QTest::newRow("longitude letters") << "Lon" << "est" << "notaLon" << "non è un numero";
        QTest::newRow("plumb length 0") << "filo" << "0" << "notaFilo" << "L deve essere maggiore di 0";
        QTest::newRow("plumb length negative") << "filo" << "-100" << "notaFilo" << "L deve essere maggiore di 0";
    }
    void refusalsBesideTheField()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, noteLabel);
        QFETCH(QString, words);
        QWidget *w = shell::showWindow(QStringLiteral("Rilievo"));
        // A good reading first, with its results on screen.
        typeInto(w, "data1", QStringLiteral("01/03/2024"));
        typeInto(w, "ora1", QStringLiteral("11:00:00"));
        typeInto(w, "alfa1", QStringLiteral("-12"));
        typeInto(w, "data2", QStringLiteral("01/03/2024"));
        typeInto(w, "ora2", QStringLiteral("13:00:00"));
        typeInto(w, "alfa2", QStringLiteral("12"));
        typeInto(w, "filo", QStringLiteral("1000"));
        typeInto(w, "filoA", QStringLiteral("20"));
        typeInto(w, "filoB", QStringLiteral("15"));
        press(w, "Calcola");
        QVERIFY(!textOf(w, "media").isEmpty());
        QVERIFY(!textOf(w, "incl").isEmpty());

        typeInto(w, field, typed);
        QMap<QString, QString> before = allTexts(w);
        press(w, "Calcola");
        QCOMPARE(labelText(w, noteLabel), words);
        QCOMPARE(labelText(w, "messaggio"), QStringLiteral("Correggere i campi segnati in rosso."));
        QCOMPARE(allTexts(w), before);
        QVERIFY(!everyText(w).contains(QStringLiteral("nan"), Qt::CaseInsensitive));
    }

    // A wall leaning back sets its top back: the line stands further off at the top.
    // atan(20 / 1000) = 1,1458 degrees.
    void plumbLine_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("bottom");
        QTest::addColumn<QString>("incl");
        QTest::addColumn<QString>("sense");
        QTest::newRow("leans back") << "1000" << "30" << "10" << "1,15" << "la parete pende all'indietro (verso il cielo)";
        QTest::newRow("leans forward") << "1000" << "10" << "30" << "-1,15" << "la parete pende in avanti (strapiomba)";
        QTest::newRow("plumb") << "1200" << "25,5" << "25,5" << "0,00" << "la parete è a piombo";
    }
    void plumbLine()
    {
        QFETCH(QString, length);
        QFETCH(QString, top);
        QFETCH(QString, bottom);
        QFETCH(QString, incl);
        QFETCH(QString, sense);
        QWidget *w = shell::showWindow(QStringLiteral("Rilievo"));
        typeInto(w, "filo", length);
        typeInto(w, "filoA", top);
        typeInto(w, "filoB", bottom);
        press(w, "Calcola");
        QCOMPARE(textOf(w, "incl"), incl);
        QCOMPARE(labelText(w, "senso"), sense);
    }

    void useInDesignerWithoutDesigner()
    {
        QWidget *w = shell::showWindow(QStringLiteral("Rilievo"));
        typeInto(w, "data1", QStringLiteral("01/03/2024"));
        typeInto(w, "ora1", QStringLiteral("11:00:00"));
        typeInto(w, "alfa1", QStringLiteral("-12"));
        press(w, "UsaNelQuadrante");
        QCOMPARE(labelText(w, "messaggio"), QStringLiteral("Il Quadrante non è disponibile in questa versione del programma."));
    }

    // With a designer open, the survey starts from its place and hands it the result.
    void handsTheResultToTheDesigner()
    {
        shell::WindowRegistry::instance().add(QStringLiteral("Quadrante"), [] { return new FakeDesigner; });
        shell::showWindow(QStringLiteral("Quadrante"));
        auto *w = static_cast<survey::RilievoWindow *>(shell::showWindow(QStringLiteral("Rilievo")));
        QCOMPARE(textOf(w, "Lat"), QStringLiteral("-33,87"));
        QCOMPARE(textOf(w, "Lon"), QStringLiteral("151,21"));
        QCOMPARE(textOf(w, "Fuso"), QStringLiteral("10"));
        QVERIFY(w->findChild<QCheckBox *>(QStringLiteral("Legale"))->isChecked());

        typeInto(w, "data1", QStringLiteral("14/01/2001"));
        typeInto(w, "ora1", QStringLiteral("16:00:00"));
        typeInto(w, "alfa1", QStringLiteral("20"));
        typeInto(w, "filo", QStringLiteral("1000"));
        typeInto(w, "filoA", QStringLiteral("30"));
        typeInto(w, "filoB", QStringLiteral("10"));
        FakeDesigner::calls = 0;
        press(w, "UsaNelQuadrante");
        QCOMPARE(FakeDesigner::calls, 1);
        HORALO_COMPARE_NEAR(FakeDesigner::declination, declinationOf(textOf(w, "media")), 0.005);
        HORALO_COMPARE_NEAR(FakeDesigner::inclination, 1.1457628381751, 1e-9);
        const QJsonObject saved = QJsonDocument::fromJson(FakeDesigner::json.toUtf8()).object();
        const QJsonArray rows = saved.value(QStringLiteral("osservazioni")).toArray();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].toObject().value(QStringLiteral("ora")).toString(), QStringLiteral("16:00:00"));
        QCOMPARE(saved.value(QStringLiteral("filo")).toObject().value(QStringLiteral("a")).toString(), QStringLiteral("30"));

        // The maker comes back to the saved readings in a fresh window.
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        auto *again = static_cast<survey::RilievoWindow *>(shell::showWindow(QStringLiteral("Rilievo")));
        QVERIFY(again->loadSurveyJson(FakeDesigner::json));
        QCOMPARE(textOf(again, "ora1"), QStringLiteral("16:00:00"));
        QCOMPARE(textOf(again, "filoB"), QStringLiteral("10"));
        const QMap<QString, QString> before = allTexts(again);
        QVERIFY(!again->loadSurveyJson(QStringLiteral("{\"osservazioni\":[{\"riga\":13}]}")));
        QVERIFY(!again->loadSurveyJson(QStringLiteral("non json")));
        QCOMPARE(allTexts(again), before);
    }
};

QTEST_MAIN(TestRilievo)
#include "test_rilievo.moc"
