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
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>

namespace {

// A stand-in for the designer: it offers its place and records what the survey hands it, or
// refuses it with the words in `refusal`.
class FakeDesigner : public QWidget, public shell::DesignerPort {
    Q_OBJECT
public:
    static inline double declination = 0, inclination = 0;
    static inline std::optional<shell::WallSurveyReadings> readings;
    static inline QString refusal;
    static inline int calls = 0;
    shell::DesignerPlace place() const override { return {QStringLiteral("Sydney"), -33.87, 151.21, 10, true}; }
    QString applySurvey(const shell::WallSurveyResult &survey) override
    {
        ++calls;
        if (!refusal.isEmpty())
            return refusal;
        declination = survey.declinationDeg;
        inclination = survey.inclinationDeg;
        readings = survey.readings;
        return {};
    }
    void takeSheetInputs(const shell::SheetDialInputs &) override {}
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

// The fields the window writes its results into; every other field is typed by the user.
bool isResult(const QString &name)
{
    static const QRegularExpression results(QStringLiteral("^(azimut|altezza|decl)\\d+$|^(media|scarto|precisione|incl)$"));
    return results.match(name).hasMatch();
}

const QString kHourOffWords = QStringLiteral("probabilmente un'ora di differenza (ora legale?)");

// The angle a wall declining wallDeg shows at that clock time (from the program's Sun, whose
// azimuth is checked against an independent formula in test_wallsurvey), typed to 0,001.
QString alphaFor(double lat, double lon, double zone, bool summer, gnomonics::CivilDate date, double clock, double wallDeg)
{
    gnomonics::Place p;
    p.latitudeDeg = lat;
    p.longitudeDeg = lon;
    p.zoneHours = zone;
    p.summerTime = summer;
    const auto sun = gnomonics::SunForSurvey(p, {date, clock, 0, {}});
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
        QVERIFY2(QRegularExpression(QStringLiteral(R"(^scartata: dista \d+,\d\d° dalla mediana; )")).match(labelText(w, "nota4")).hasMatch(),
                 qPrintable(labelText(w, "nota4")));
        // Put back one hour, the reading agrees with the others: the note says what went wrong.
        QVERIFY2(labelText(w, "nota4").endsWith(QStringLiteral("; ") + kHourOffWords), qPrintable(labelText(w, "nota4")));
        const QRegularExpression outlierSentence(QRegularExpression::anchoredPattern(
            QStringLiteral(R"(Riga 4 scartata: dista \d+,\d\d° dalla mediana, oltre il limite di \d+,\d\d° \(3 volte la deviazione mediana, almeno 0,1°\))")));
        QVERIFY2(outlierSentence.match(labelText(w, "scartate")).hasMatch(), qPrintable(labelText(w, "scartate")));
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
        const auto sun = gnomonics::SunForSurvey(p, {{2023, 12, 21}, 12.0, 0, {}});
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
        QTest::newRow("year 2401") << "data2" << "15/07/2401" << "nota2" << "data: l'anno va dal 1600 al 2400";
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
        const QMap<QString, QString> before = allTexts(w);
        press(w, "Calcola");
        QCOMPARE(labelText(w, noteLabel), words);
        QCOMPARE(labelText(w, "messaggio"), QStringLiteral("Correggere i campi segnati in rosso."));
        // What was typed stays; no result of the readings before the change stays on screen.
        const QMap<QString, QString> after = allTexts(w);
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (isResult(it.key()))
                QVERIFY2(after.value(it.key()).isEmpty(), qPrintable(it.key() + QStringLiteral(": ") + after.value(it.key())));
            else
                QCOMPARE(after.value(it.key()), it.value());
        }
        QCOMPARE(labelText(w, "scartate"), QString());
        QCOMPARE(labelText(w, "senso"), QString());
        QVERIFY(!everyText(w).contains(QStringLiteral("nan"), Qt::CaseInsensitive));
    }

    // Readings of any year from 1600 to 2400 are taken, the first and last days included.
    void yearsOfTheRangeAreRead_data()
    {
        QTest::addColumn<QString>("date");
        QTest::newRow("1 January 1600") << "01/01/1600";
        QTest::newRow("1 June 1700") << "01/06/1700";
        QTest::newRow("31 December 2400") << "31/12/2400";
    }
    void yearsOfTheRangeAreRead()
    {
        QFETCH(QString, date);
        QWidget *w = shell::showWindow(QStringLiteral("Rilievo"));
        typeInto(w, "data1", date);
        typeInto(w, "ora1", QStringLiteral("12:00:00"));
        typeInto(w, "alfa1", QStringLiteral("5"));
        press(w, "Calcola");
        QCOMPARE(labelText(w, "nota1"), QString());
        QVERIFY2(textOf(w, "decl1").contains(QStringLiteral("Ovest")) || textOf(w, "decl1").contains(QStringLiteral("Est")),
                 qPrintable(textOf(w, "decl1")));
        QVERIFY(!everyText(w).contains(QStringLiteral("nan"), Qt::CaseInsensitive));
    }

    // A date pasted with a blank or a tab before or after it is the date itself, as in the
    // designer and the sheets: the same Sun, the same declination.
    void blanksAroundADate_data()
    {
        QTest::addColumn<QString>("date");
        QTest::newRow("leading space") << " 21/06/2024";
        QTest::newRow("leading tab") << "\t21/06/2024";
        QTest::newRow("trailing tab and space") << "21/06/2024\t ";
    }
    void blanksAroundADate()
    {
        QFETCH(QString, date);
        QWidget *w = shell::showWindow(QStringLiteral("Rilievo"));
        auto read = [w](const QString &typed) {
            fieldOf(w, QStringLiteral("data1"))->setText(typed); // pasted: a tab stays in the field
            typeInto(w, "ora1", QStringLiteral("12:00:00"));
            typeInto(w, "alfa1", QStringLiteral("5"));
            press(w, "Calcola");
            return std::pair{labelText(w, "nota1"), textOf(w, "decl1")};
        };
        const auto plain = read(QStringLiteral("21/06/2024"));
        QCOMPARE(plain.first, QString());
        QVERIFY(!plain.second.isEmpty());
        QCOMPARE(read(date), plain);
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

    // A refused "Calcola" leaves no result of earlier readings on screen; the next good one
    // brings every result back.
    void resultsComeBackAfterARefusal()
    {
        QWidget *w = shell::showWindow(QStringLiteral("Rilievo"));
        typeInto(w, "data1", QStringLiteral("01/03/2024"));
        typeInto(w, "ora1", QStringLiteral("11:00:00"));
        typeInto(w, "alfa1", QStringLiteral("-12"));
        typeInto(w, "data2", QStringLiteral("01/03/2024"));
        typeInto(w, "ora2", QStringLiteral("13:00:00"));
        typeInto(w, "alfa2", QStringLiteral("12"));
        typeInto(w, "filo", QStringLiteral("1000"));
        typeInto(w, "filoA", QStringLiteral("30"));
        typeInto(w, "filoB", QStringLiteral("10"));
        press(w, "Calcola");
        const QMap<QString, QString> good = allTexts(w);
        const QString sense = labelText(w, "senso");
        QVERIFY(!good.value(QStringLiteral("media")).isEmpty());
        QVERIFY(!good.value(QStringLiteral("decl2")).isEmpty());

        typeInto(w, "data2", QStringLiteral("31/02/2024"));
        press(w, "Calcola");
        for (const char *name : {"azimut1", "altezza1", "decl1", "azimut2", "altezza2", "decl2", "media", "scarto",
                                 "precisione", "incl"})
            QVERIFY2(textOf(w, name).isEmpty(), name);
        // Pressing again, or asking for the designer, shows nothing old either.
        press(w, "UsaNelQuadrante");
        QCOMPARE(textOf(w, "media"), QString());
        QCOMPARE(labelText(w, "messaggio"), QStringLiteral("Correggere i campi segnati in rosso."));

        typeInto(w, "data2", QStringLiteral("01/03/2024"));
        press(w, "Calcola");
        QCOMPARE(allTexts(w), good);
        QCOMPARE(labelText(w, "senso"), sense);
        QCOMPARE(labelText(w, "messaggio"), QString());
    }

    // The window's "Ora legale" sets every reading's box; a reading can then be changed alone.
    void windowSummerBoxSetsEveryRow()
    {
        QWidget *w = shell::showWindow(QStringLiteral("Rilievo"));
        HORALO_FIND(QCheckBox, summer, w, "Legale");
        // On the box itself: the check box is as wide as its column.
        const QPoint onBox(6, summer->height() / 2);
        auto rowBox = [w](int k) { return w->findChild<QCheckBox *>(QStringLiteral("legale%1").arg(k)); };
        for (int k = 1; k <= survey::kRows; ++k) {
            QVERIFY2(rowBox(k), qPrintable(QString::number(k)));
            QVERIFY(!rowBox(k)->isChecked());
        }
        QTest::mouseClick(summer, Qt::LeftButton, {}, onBox);
        QVERIFY(summer->isChecked());
        for (int k = 1; k <= survey::kRows; ++k)
            QVERIFY2(rowBox(k)->isChecked(), qPrintable(QString::number(k)));
        QTest::mouseClick(rowBox(3), Qt::LeftButton);
        QVERIFY(!rowBox(3)->isChecked());
        QVERIFY(summer->isChecked());
        QVERIFY(rowBox(2)->isChecked() && rowBox(4)->isChecked());
        const survey::SurveyForm form = static_cast<survey::RilievoWindow *>(w)->form();
        QVERIFY(!survey::RowSummerTime(form, 2));
        QVERIFY(survey::RowSummerTime(form, 3));
        QTest::mouseClick(summer, Qt::LeftButton, {}, onBox);
        for (int k = 1; k <= survey::kRows; ++k)
            QVERIFY2(!rowBox(k)->isChecked(), qPrintable(QString::number(k)));
    }

    // Readings of a wall declining 20 West in Milan on both sides of the change to summer time
    // (31 March 2024): on 28 March the watch shows standard time, on 3 April summer time. With
    // one box for all of them the readings taken in the other time are an hour off and say so;
    // with each row's box as the watch was, every reading gives 20,00 Ovest.
    void readingsAcrossTheSummerTimeChange_data()
    {
        QTest::addColumn<QList<int>>("summerRows"); // the rows read on 3 April, in summer time
        QTest::addColumn<bool>("windowSummer");     // the window's box, set first
        QTest::addColumn<QList<int>>("flagged");    // the rows an hour off with every box as the window's
        QTest::newRow("four standard, two summer, box off") << QList<int>{5, 6} << false << QList<int>{5, 6};
        // Most readings an hour off, each by its own amount: the two right ones are told apart.
        QTest::newRow("four standard, two summer, box on") << QList<int>{5, 6} << true << QList<int>{5, 6};
        QTest::newRow("one standard, four summer, box on") << QList<int>{2, 3, 4, 5} << true << QList<int>{1};
        QTest::newRow("three and three, box off") << QList<int>{4, 5, 6} << false << QList<int>{4, 5, 6};
        QTest::newRow("one of each, box off") << QList<int>{2} << false << QList<int>{1, 2};
    }
    void readingsAcrossTheSummerTimeChange()
    {
        QFETCH(QList<int>, summerRows);
        QFETCH(bool, windowSummer);
        QFETCH(QList<int>, flagged);
        const double wallDeg = 20;
        const double tolDeg = 0.01;
        const std::array<double, 6> clocks{10.5, 11.5, 12.5, 13.5, 14.5, 15.5};
        QWidget *w = shell::showWindow(QStringLiteral("Rilievo"));
        HORALO_FIND(QCheckBox, summer, w, "Legale");
        summer->setChecked(windowSummer);
        const int rows = summerRows.size() == 1 ? 2 : summerRows.size() == 4 ? 5 : 6;
        for (int k = 1; k <= rows; ++k) {
            const bool inSummer = summerRows.contains(k);
            const gnomonics::CivilDate date = inSummer ? gnomonics::CivilDate{2024, 4, 3} : gnomonics::CivilDate{2024, 3, 28};
            const double clock = clocks[static_cast<std::size_t>(k - 1)];
            const QString n = QString::number(k);
            typeInto(w, "data" + n, QStringLiteral("%1/%2/2024").arg(date.day, 2, 10, QLatin1Char('0')).arg(date.month, 2, 10, QLatin1Char('0')));
            typeInto(w, "ora" + n, QTime(0, 0).addSecs(qRound(clock * 3600)).toString(QStringLiteral("HH:mm:ss")));
            typeInto(w, "alfa" + n, alphaFor(45.4642, 9.19, 1, inSummer, date, clock, wallDeg));
        }
        press(w, "Calcola");
        QList<int> seen;
        for (int k = 1; k <= rows; ++k)
            if (labelText(w, "nota" + QString::number(k)).contains(kHourOffWords))
                seen << k;
        QCOMPARE(seen, flagged);

        // Each row's box as the watch was: no warning, and every reading gives the wall.
        for (int k = 1; k <= rows; ++k)
            w->findChild<QCheckBox *>(QStringLiteral("legale%1").arg(k))->setChecked(summerRows.contains(k));
        press(w, "Calcola");
        for (int k = 1; k <= rows; ++k) {
            const QString n = QString::number(k);
            QCOMPARE(labelText(w, "nota" + n), QString());
            HORALO_COMPARE_NEAR(declinationOf(textOf(w, "decl" + n)), wallDeg, tolDeg);
        }
        QCOMPARE(textOf(w, "media"), QStringLiteral("20,00 Ovest"));
        QCOMPARE(labelText(w, "scartate"), QString());
    }

    // The printed page says which readings were taken in the other time than the window's,
    // under each of them, and the rows computed with their own time agree.
    void reportSaysWhichReadingsWereInSummerTime()
    {
        survey::SurveyForm form;
        form.summerTime = false;
        const std::array<gnomonics::CivilDate, 2> dates{{{2024, 3, 28}, {2024, 4, 3}}};
        for (std::size_t k = 0; k < 2; ++k) {
            form.date[k] = QStringLiteral("%1/%2/2024").arg(dates[k].day, 2, 10, QLatin1Char('0')).arg(dates[k].month, 2, 10, QLatin1Char('0')).toStdString();
            form.clock[k] = "12:30:00";
            form.rowSummerTime[k] = k == 1;
            form.alpha[k] = alphaFor(45.4642, 9.19, 1, k == 1, dates[k], 12.5, -35).toStdString();
        }
        const survey::SurveyOutcome outcome = survey::ComputeSurvey(form);
        QVERIFY(!outcome.refused);
        QCOMPARE(QString::fromStdString(outcome.mean), QStringLiteral("35,00 Est"));
        QCOMPARE(QString::fromStdString(outcome.rowNote[0]), QString());
        QCOMPARE(QString::fromStdString(outcome.rowNote[1]), QString());
        const sheet::ReportPage page = survey::BuildSurveyReport(form, outcome);
        QStringList lines;
        for (const auto &item : page.items)
            lines << QString::fromStdString(item.text);
        QVERIFY2(lines.contains(QStringLiteral("Latitudine 45,4642°   Longitudine 9,19°   Fuso 1 h   ora solare")),
                 qPrintable(lines.join(QStringLiteral(" | "))));
        const qsizetype second = lines.indexOf(QStringLiteral("2"));
        QVERIFY2(second > 0, qPrintable(lines.join(QStringLiteral(" | "))));
        QCOMPARE(lines.count(QStringLiteral("letta in ora legale")), 1);
        QVERIFY2(lines.indexOf(QStringLiteral("letta in ora legale")) > second, qPrintable(lines.join(QStringLiteral(" | "))));
        QCOMPARE(lines.count(QStringLiteral("letta in ora solare")), 0);
    }

    // Each reading's summer time goes into the saved survey and comes back; a survey saved
    // before the rows had their own box reads every row with the window's.
    void summerTimeSavedPerRow()
    {
        auto *w = static_cast<survey::RilievoWindow *>(shell::showWindow(QStringLiteral("Rilievo")));
        typeInto(w, "data1", QStringLiteral("28/03/2024"));
        typeInto(w, "ora1", QStringLiteral("11:00:00"));
        typeInto(w, "alfa1", QStringLiteral("-10"));
        typeInto(w, "data2", QStringLiteral("03/04/2024"));
        typeInto(w, "ora2", QStringLiteral("12:00:00"));
        typeInto(w, "alfa2", QStringLiteral("-5"));
        w->findChild<QCheckBox *>(QStringLiteral("legale2"))->setChecked(true);
        const QString json = w->surveyJson();
        const QJsonArray rows = QJsonDocument::fromJson(json.toUtf8()).object().value(QStringLiteral("osservazioni")).toArray();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].toObject().value(QStringLiteral("ora_legale")), QJsonValue(false));
        QCOMPARE(rows[1].toObject().value(QStringLiteral("ora_legale")), QJsonValue(true));

        w->findChild<QCheckBox *>(QStringLiteral("legale2"))->setChecked(false);
        QVERIFY(w->loadSurveyJson(json));
        QVERIFY(!w->findChild<QCheckBox *>(QStringLiteral("legale1"))->isChecked());
        QVERIFY(w->findChild<QCheckBox *>(QStringLiteral("legale2"))->isChecked());

        QVERIFY(w->loadSurveyJson(QStringLiteral(
            R"({"ora_legale":true,"osservazioni":[{"riga":1,"data":"03/04/2024","ora":"12:00:00","alfa":"-5"}]})")));
        for (int k = 1; k <= survey::kRows; ++k)
            QVERIFY2(w->findChild<QCheckBox *>(QStringLiteral("legale%1").arg(k))->isChecked(), qPrintable(QString::number(k)));

        const QMap<QString, QString> before = allTexts(w);
        QVERIFY(!w->loadSurveyJson(QStringLiteral(
            R"({"ora_legale":false,"osservazioni":[{"riga":1,"data":"01/01/2024","ora":"12:00:00","alfa":"0","ora_legale":"si"}]})")));
        QCOMPARE(allTexts(w), before);
        QVERIFY(w->findChild<QCheckBox *>(QStringLiteral("Legale"))->isChecked());
    }

    // A designer that refuses the survey's values takes nothing, and the survey says what was
    // refused instead of claiming it passed them on.
    void designerRefusesTheSurvey()
    {
        shell::registerDesigner<FakeDesigner>(shell::WindowRegistry::instance(), [] { return new FakeDesigner; });
        auto *w = static_cast<survey::RilievoWindow *>(shell::showWindow(QStringLiteral("Rilievo")));
        typeInto(w, "data1", QStringLiteral("14/01/2001"));
        typeInto(w, "ora1", QStringLiteral("16:00:00"));
        typeInto(w, "alfa1", QStringLiteral("20"));
        typeInto(w, "filo", QStringLiteral("1000"));
        typeInto(w, "filoA", QStringLiteral("0"));
        typeInto(w, "filoB", QStringLiteral("10000"));
        FakeDesigner::calls = 0;
        FakeDesigner::readings.reset();
        FakeDesigner::refusal = QStringLiteral("Inclinazione -84,29° non accettata. L'inclinazione va da -80 (piano rivolto verso terra) a 90 (orizzontale).");
        press(w, "UsaNelQuadrante");
        FakeDesigner::refusal.clear();
        QCOMPARE(FakeDesigner::calls, 1);
        QVERIFY(!FakeDesigner::readings);
        QCOMPARE(labelText(w, "messaggio"),
                 QStringLiteral("Nulla è stato passato al Quadrante. Inclinazione -84,29° non accettata. L'inclinazione va da -80 "
                                "(piano rivolto verso terra) a 90 (orizzontale)."));
        QCOMPARE(textOf(w, "incl"), QStringLiteral("-84,29"));
    }

    // Twelve readings, each with a long note, and the plumb line: on a 1366 x 768 screen the
    // window is as wide as its content, the readings scroll and the buttons stay in sight below.
    void fitsASmallScreen()
    {
        auto *w = static_cast<survey::RilievoWindow *>(shell::showWindow(QStringLiteral("Rilievo")));
        for (int k = 1; k <= survey::kRows; ++k) {
            const QString n = QString::number(k);
            typeInto(w, "data" + n, QStringLiteral("31/02/20x4"));
            typeInto(w, "ora" + n, QStringLiteral("25:61"));
            typeInto(w, "alfa" + n, QStringLiteral("dieci"));
        }
        typeInto(w, "filo", QStringLiteral("1000"));
        press(w, "Calcola");
        QVERIFY(!labelText(w, "nota12").isEmpty());
        // The screen less a desktop's panel, the window's border and its title bar.
        const QSize window(1366 - 16, 768 - 40 - 48);
        w->resize(window);
        HORALO_FIND(QScrollArea, scroll, w, "scorrimento");
        QTRY_COMPARE(w->height(), window.height());
        QTRY_VERIFY(scroll->verticalScrollBar()->isVisible());
        QTRY_VERIFY(!scroll->horizontalScrollBar()->isVisible());
        QCOMPARE_LE(scroll->widget()->minimumSizeHint().width(), scroll->viewport()->width());
        for (const char *name : {"Calcola", "StampaGoniometro"}) {
            auto *button = w->findChild<QPushButton *>(QLatin1String(name));
            QVERIFY(button);
            QVERIFY2(!scroll->isAncestorOf(button), name);
            const QRect onWindow(button->mapTo(w, QPoint(0, 0)), button->size());
            QVERIFY2(w->rect().contains(onWindow), name);
        }
        if (!qEnvironmentVariableIsEmpty("HORALO_SHOT")) {
            scroll->verticalScrollBar()->setValue(0);
            w->grab().save(qEnvironmentVariable("HORALO_SHOT") + QStringLiteral("-rilievo.png"));
        }
        // The notes are whole: none is squeezed below the height its words need.
        for (int k = 1; k <= survey::kRows; ++k) {
            auto *note = w->findChild<QLabel *>(QStringLiteral("nota%1").arg(k));
            QCOMPARE_GE(note->height(), note->heightForWidth(note->width()));
        }
    }

    // With a designer open, the survey starts from its place and hands it the result.
    void handsTheResultToTheDesigner()
    {
        shell::registerDesigner<FakeDesigner>(shell::WindowRegistry::instance(), [] { return new FakeDesigner; });
        shell::showWindow(shell::kDesignerWindow);
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
        QVERIFY(FakeDesigner::readings);
        const shell::WallSurveyReadings &handed = *FakeDesigner::readings;
        QCOMPARE(handed.readings.size(), 1);
        QCOMPARE(handed.readings[0].row, 1);
        QCOMPARE(handed.readings[0].clock, QStringLiteral("16:00:00"));
        QCOMPARE(handed.plumbTop, QStringLiteral("30"));
        QCOMPARE(handed.latitude, QStringLiteral("-33,87"));

        // The maker comes back to the saved readings in a fresh window.
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        auto *again = static_cast<survey::RilievoWindow *>(shell::showWindow(QStringLiteral("Rilievo")));
        QVERIFY(again->loadSurveyJson(shell::WallSurveyJson(handed)));
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
