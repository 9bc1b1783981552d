// The declining-wall hour sheets GonvrtEst and GonvrtOvest as a user works them: their
// fields and layout, the worked examples and the mended cases (near-zero declination, West 20 o'clock, no "-0"), the
// refusals, reset, the example drawing, every shown angle against the shadow of the style
// worked out from plain vectors, and the pages their reports print.

#include "sheettesting.h"
#include "shadowframe.h"

#include "sheet/numbers.h"
#include "shell/sheetwindow.h"
#include "vertical/decliningreport.h"
#include "vertical/decliningsheet.h"
#include "vertical/verticalwindows.h"

#include <QLabel>

#include <cmath>

namespace {

const QString kEast = QStringLiteral("GonvrtEst");
const QString kWest = QStringLiteral("GonvrtOvest");
const QString kDash = QStringLiteral("--------");

// The field that stands beside each hour label, positions 4.30 to 20, typed out by hand from
// the sheet's design (not taken from the program).
const QStringList kEastFields{
    "quattro5", "cinque",   "cinque5",   "SEI",      "SEI5",     "SETTE",      "SETTE5",      "OTTO",
    "OTTO5",    "NOVE",     "NOVE5",     "DIECI",    "DIECI5",   "UNDICI",     "UNDICI5",     "DODICI",
    "dodici5",  "tredici",  "tredici5",  "QUATT",    "QUATT5",   "QUINDICI",   "QUINDICI5",   "SEDICI",
    "SEDICI5",  "DICIASETTE", "DICIASETTE5", "diciotto", "diciotto5", "diciannove", "diciannove5", "venti"};
const QStringList kWestFields{
    "diciannove5", "diciannove", "diciotto5", "diciotto", "DICIASETTE5", "DICIASETTE", "SEDICI5", "SEDICI",
    "QUINDICI5",   "QUINDICI",   "QUATT5",    "QUATT",    "tredici5",    "tredici",    "dodici5", "DODICI",
    "UNDICI5",     "UNDICI",     "DIECI5",    "DIECI",    "NOVE5",       "NOVE",       "OTTO5",   "OTTO",
    "SETTE5",      "SETTE",      "SEI5",      "SEI",      "cinque5",     "cinque",     "quattro5", "venti"};
const QStringList kHourLabels{"4.30",  "5",  "5.30",  "6",  "6.30",  "7",  "7.30",  "8",
                              "8.30",  "9",  "9.30",  "10", "10.30", "11", "11.30", "12",
                              "12.30", "13", "13.30", "14", "14.30", "15", "15.30", "16",
                              "16.30", "17", "17.30", "18", "18.30", "19", "19.30", "20"};

const QStringList &fieldsOf(const QString &sheet) { return sheet == kEast ? kEastFields : kWestFields; }

double positionHours(int position) { return 4.5 + 0.5 * position; }

int positionOf(const QString &hourLabel)
{
    const int p = kHourLabels.indexOf(hourLabel);
    if (p < 0)
        qFatal("no hour label %s", qPrintable(hourLabel));
    return p;
}

// The 32 texts of a sheet, position by position (4.30 first).
QStringList shownTexts(QWidget *sheet, const QString &name)
{
    QStringList texts;
    for (const QString &field : fieldsOf(name))
        texts << textOf(sheet, field);
    return texts;
}

QStringList dashes(int n) { return QStringList(n, kDash); }

// Direction on the wall of the half-line where the style's shadow falls at the hour angle H
// (degrees, negative before noon), from plain vectors and no formula of the program: the
// shadow lies in the plane through the Earth's axis and the Sun's hour direction, and in the
// wall, on the side away from the Sun (its component along the hour direction is -t cos d for
// every solar declination d). Degrees in (-180, 180], from the horizontal half-line to the
// right of someone facing the wall, positive upwards.
double shadowLineDeg(double latitudeDeg, double declinationDeg, bool east, double hourAngleDeg)
{
    using namespace sunframe;
    const Vec3 normal = verticalWallNormal(declinationDeg, east);
    const Vec3 axis = northPole(latitudeDeg);
    const Vec3 hourDirection = sunDirection(latitudeDeg, hourAngleDeg, 0.0);
    Vec3 line = cross(normal, cross(axis, hourDirection));
    if (dot(line, hourDirection) > 0)
        line = -1.0 * line;
    return degrees(std::atan2(dot(line, kUp), dot(line, rightOnWall(normal))));
}

// The texts the sheet must show by the shadow: a line running above the horizontal does not
// exist. Returns the number of positions compared; fails on the first that differs by more
// than the one-decimal rounding.
// How well some day between the solstices lights the wall at that hour: the largest, over the
// Sun's declinations every 0,05 degree, of the smaller of its height above the horizon and its
// height above the wall's plane (both as sines). Positive: lit on some day.
double bestLight(double latitudeDeg, double declinationDeg, bool east, double hourAngleDeg)
{
    const sunframe::Vec3 normal = sunframe::verticalWallNormal(declinationDeg, east);
    double best = -2;
    for (double sun = -23.45; sun <= 23.45 + 1e-9; sun += 0.05) {
        const auto s = sunframe::sunDirection(latitudeDeg, hourAngleDeg, sun);
        best = std::max(best, std::min(s.z, sunframe::dot(s, normal)));
    }
    return best;
}

int compareWithShadow(QWidget *sheet, const QString &name, double latitudeDeg, double declinationDeg,
                      double &worstDeg)
{
    // One decimal of rounding, and the construction's own error (1e-7 degree at most).
    const double tolDeg = 0.05 + 1e-7;
    // Within this of the horizontal the dash decision is an accident of rounding.
    const double horizontalMarginDeg = 1e-6;
    const QStringList texts = shownTexts(sheet, name);
    int compared = 0;
    for (int p = 0; p < texts.size(); ++p) {
        const double physics = shadowLineDeg(latitudeDeg, declinationDeg, name == kEast, 15.0 * (positionHours(p) - 12));
        const QString where = QStringLiteral("%1 lat %2 dcl %3 at %4: shows '%5', shadow %6")
                                  .arg(name).arg(latitudeDeg, 0, 'g', 10).arg(declinationDeg, 0, 'g', 10)
                                  .arg(kHourLabels[p], texts[p]).arg(physics, 0, 'f', 6);
        if (std::abs(physics) < horizontalMarginDeg || 180.0 - std::abs(physics) < horizontalMarginDeg)
            continue;
        const double light = bestLight(latitudeDeg, declinationDeg, name == kEast, 15.0 * (positionHours(p) - 12));
        if (std::abs(light) < 1e-3)
            continue; // lit for a moment of the year: the sampling cannot tell
        if (physics > 0 || light < 0) {
            if (texts[p] != kDash) {
                qWarning("%s", qPrintable(where));
                return -1;
            }
        } else {
            const auto shown = sheet::ReadNumber(texts[p].toStdString());
            if (!shown) {
                qWarning("%s", qPrintable(where));
                return -1;
            }
            worstDeg = std::max(worstDeg, std::abs(*shown - physics));
            if (std::abs(*shown - physics) > tolDeg) {
                qWarning("%s", qPrintable(where));
                return -1;
            }
        }
        ++compared;
    }
    return compared;
}

sheet::ReportPage reportOf(QWidget *window)
{
    auto *sheet = static_cast<vertical::DecliningSheet *>(window);
    return vertical::BuildDecliningReport(sheet->side(), sheet->fieldTexts());
}

// The hour texts of the two reports, top to bottom, as the design lists them with their blanks.
const QStringList kEastReportHours{
    " 5.00 =  ", " 5.30 =  ", " 6.00 =  ", " 6.30 =  ", " 7.00 =  ", " 7.30 =  ", " 8.00 =  ", " 8.30 =  ",
    " 9.00 =  ", " 9.30 =  ", "10.00 =  ", "10.30 =  ", "11.00 =  ", "11.30 =  ", "12.00 =  ", "12.30 =  ",
    "13.00 =  ", "13.30 =  ", "14.00 =  ", "14.30 =  ", "15.00 =  ", "15.30 =  ", "16.00 =  ", "16.30 =  ",
    "17.00 =  ", "17.30 =  ", "18.00 =  ", "18.30 =  ", "19.00 =  ", "19.30 =  ", "20.00 =  "};
const QStringList kWestReportHours{
    " 19.00 =  ", " 18.30 =  ", " 18.00 =  ", " 17.30 =  ", " 17.00 =  ", " 16.30 =  ", " 16.00 =  ", " 15.30 =  ",
    " 15.00 =  ", " 14.30 =  ", "14.00 =  ",  "13.30 =  ",  "13.00 =  ",  "12.30 =  ",  "12.00 =  ",  "11.30 =  ",
    "11.00 =  ",  "10.30 =  ",  "10.00 =  ",  " 9.30 =  ",  " 9.00 =  ",  " 8.30 =  ",  " 8.00 =  ",  " 7.30 =  ",
    " 7.00 =  ",  " 6.30 =  ",  " 6.00 =  ",  "5.30 =  ",   "5.00 =  "};
// The fields each report prints, top to bottom (the same names on both, East has two more).
const QStringList kReportFields{"cinque",      "cinque5",    "SEI",        "SEI5",       "SETTE",     "SETTE5",
                                "OTTO",        "OTTO5",      "NOVE",       "NOVE5",      "DIECI",     "DIECI5",
                                "UNDICI",      "UNDICI5",    "DODICI",     "dodici5",    "tredici",   "tredici5",
                                "QUATT",       "QUATT5",     "QUINDICI",   "QUINDICI5",  "SEDICI",    "SEDICI5",
                                "DICIASETTE",  "DICIASETTE5", "diciotto",  "diciotto5",  "diciannove", "diciannove5",
                                "venti"};
const std::string kProjectLine =
    "Progetto:_______________________________  Data____/_____/_____ Note:____________";

// Every item of a report page where the design places it, for the sheet's current texts.
std::vector<sheet::ReportItem> expectedReport(QWidget *window, const QString &name)
{
    const bool east = name == kEast;
    const auto t = [&](const QString &field) { return textOf(window, field).toStdString(); };
    std::vector<sheet::ReportItem> items;
    // Every angle carries its degree sign; a dash has no unit.
    const auto degrees = [](const std::string &text) {
        return sheet::ReadNumber(text) ? text + "°" : text;
    };
    items.push_back({64, 10, "MERIDIANA   VERTICALE   LAT.=" + degrees(t("LATX"))});
    items.push_back({150, 10, (east ? "DCL EST =" : "DCL OVEST =") + degrees(t("DCL1"))});
    items.push_back({12, 22, kProjectLine});
    const QStringList &hours = east ? kEastReportHours : kWestReportHours;
    for (int k = 0; k < hours.size(); ++k) {
        const double y = east && k == 30 ? 272 : 34 + 8 * k;
        items.push_back({80, y, hours[k].toStdString() + degrees(t(kReportFields[k]))});
    }
    items.push_back({40, 280, sheet::kCreditLine});
    return items;
}

QString describe(const std::vector<sheet::ReportItem> &items)
{
    QStringList lines;
    for (const auto &i : items)
        lines << QStringLiteral("(%1, %2) '%3'").arg(i.xMm).arg(i.yMm).arg(qs(i.text));
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class TestDecliningSheet : public QObject {
    Q_OBJECT

    QWidget *open(const QString &name)
    {
        QWidget *w = shell::showWindow(name);
        if (!w)
            qFatal("window %s is not registered", qPrintable(name));
        return w;
    }

    static void addSheetColumn() { QTest::addColumn<QString>("name"); }
    static void addSheetRows()
    {
        addSheetColumn();
        QTest::newRow("East sheet") << kEast;
        QTest::newRow("West sheet") << kWest;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        QStandardPaths::setTestModeEnabled(true);
        QApplication::setQuitOnLastWindowClosed(false);
        shell::registerShellWindows(shell::WindowRegistry::instance());
        vertical::registerVerticalWindows(shell::WindowRegistry::instance());
    }
    void cleanup() { closeAllWindows(); }

    void opensWithDefaults_data() { addSheetRows(); }
    void opensWithDefaults()
    {
        QFETCH(QString, name);
        QWidget *sheet = open(name);
        QCOMPARE(sheet->objectName(), name);
        QCOMPARE(sheet->windowTitle(), name == kEast ? QStringLiteral("Angoli orari su parete declinante ad Est")
                                                     : QStringLiteral("Angoli orari su parete declinante ad Ovest"));
        QVERIFY(!sheet->isModal());
        QCOMPARE(textOf(sheet, "LATX"), QStringLiteral("38,1375"));
        QCOMPARE(textOf(sheet, "DCL1"), QStringLiteral("38"));
        QVERIFY(fieldOf(sheet, "LATX")->isEnabled());
        QVERIFY(fieldOf(sheet, "DCL1")->isEnabled());
        HORALO_FIND(QLabel, latCaption, sheet, "Label1");
        HORALO_FIND(QLabel, phiDegree, sheet, "Label2");
        HORALO_FIND(QLabel, dclCaption, sheet, "Label3");
        HORALO_FIND(QLabel, hint, sheet, "Label4");
        QCOMPARE(latCaption->text(), QStringLiteral("Latitudine"));
        QCOMPARE(phiDegree->text(), QStringLiteral("φ°"));
        QCOMPARE(dclCaption->text(), QStringLiteral("Declinazione  d°"));
        QCOMPARE(hint->text(), QStringLiteral("-Per i decimali,usare la virgola"));

        const auto fields = sheet->findChildren<QLineEdit *>();
        QCOMPARE(fields.size(), 34);
        for (const QString &field : kEastFields) {
            QCOMPARE(textOf(sheet, field), field == QLatin1String("DODICI") ? QStringLiteral("-90") : QStringLiteral("0"));
            QVERIFY2(!fieldOf(sheet, field)->isEnabled(), qPrintable(field));
            QCOMPARE(fieldOf(sheet, field)->focusPolicy(), Qt::NoFocus);
        }

        const QStringList buttons{"Command1", "Command2", "Command3", "Command4"};
        const QStringList texts{"Calcola", "Azzera", "Esempio", name == kEast ? "Stampa Est" : "Stampa Ovest"};
        for (int i = 0; i < buttons.size(); ++i) {
            auto *b = sheet->findChild<QPushButton *>(buttons[i]);
            QVERIFY2(b, qPrintable(buttons[i]));
            QCOMPARE(b->text(), texts[i]);
            QVERIFY(b->isEnabled());
        }
    }

    // Each field stands beside the hour label of the design's table, in four columns of
    // eight; whole hours are bold Arial, and the Greek phi heads every column.
    void hourFieldsStandBesideTheirLabels_data() { addSheetRows(); }
    void hourFieldsStandBesideTheirLabels()
    {
        QFETCH(QString, name);
        QWidget *sheet = open(name);
        QVERIFY(QTest::qWaitForWindowExposed(sheet));
        QHash<QString, QLabel *> labels;
        for (QLabel *label : sheet->findChildren<QLabel *>())
            if (kHourLabels.contains(label->text()))
                labels.insert(label->text(), label);
        QCOMPARE(labels.size(), 32);

        QList<int> columnX;
        for (int p = 0; p < 32; ++p) {
            QLineEdit *field = fieldOf(sheet, fieldsOf(name)[p]);
            QLabel *label = labels.value(kHourLabels[p]);
            QVERIFY(field && label);
            const QString what = QStringLiteral("%1 at %2").arg(field->objectName(), label->text());
            QVERIFY2(label->buddy() == field, qPrintable(what));
            QVERIFY2(std::abs(label->geometry().center().y() - field->geometry().center().y()) <= 1, qPrintable(what));
            QVERIFY2(label->geometry().right() < field->geometry().left(), qPrintable(what));
            QVERIFY2(field->geometry().left() - label->geometry().right() < 40, qPrintable(what));
            const int column = p / 8, row = p % 8;
            if (row == 0)
                columnX << field->x();
            QCOMPARE(field->x(), columnX[column]);
            if (row > 0)
                QVERIFY2(field->y() > fieldOf(sheet, fieldsOf(name)[p - 1])->y(), qPrintable(what));
            else if (column > 0)
                QVERIFY2(field->x() > columnX[column - 1], qPrintable(what));
            const bool whole = p % 2 == 1;
            QCOMPARE(label->font().bold(), whole);
            QCOMPARE(field->font().bold(), whole);
            if (whole) {
                QCOMPARE(label->font().family(), QStringLiteral("Arial"));
                QCOMPARE(field->font().family(), QStringLiteral("Arial"));
            }
        }
        for (int column = 0; column < 4; ++column) {
            const QString phiName = QStringLiteral("Phi%1").arg(column + 1);
            auto *phi = sheet->findChild<QLabel *>(phiName);
            QVERIFY2(phi, qPrintable(phiName));
            QCOMPARE(phi->text(), QStringLiteral("φ"));
            QLineEdit *top = fieldOf(sheet, fieldsOf(name)[8 * column]);
            QVERIFY(phi->geometry().bottom() <= top->geometry().top());
            QVERIFY(std::abs(phi->geometry().center().x() - top->geometry().center().x()) <= 2);
        }
        for (const char *b : {"Command1", "Command2", "Command3", "Command4"})
            QVERIFY(sheet->findChild<QPushButton *>(QLatin1String(b))->y()
                    > fieldOf(sheet, fieldsOf(name)[7])->geometry().bottom());
    }

    void menuButtonsOpenTheSheets_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::newRow("Declina Est") << "DeclinaEst" << kEast;
        QTest::newRow("Declina Ovest") << "DeclinaOvest" << kWest;
    }
    void menuButtonsOpenTheSheets()
    {
        QFETCH(QString, button);
        QFETCH(QString, name);
        QWidget *menu = open(QStringLiteral("MenuVert"));
        auto *b = menu->findChild<QPushButton *>(button);
        QVERIFY2(b, qPrintable(button));
        QVERIFY(b->isEnabled());
        QTest::mouseClick(b, Qt::LeftButton);
        QWidget *sheet = shell::WindowRegistry::instance().open(name);
        QVERIFY(sheet && sheet->isVisible());
        QVERIFY(menu->isVisible());
        typeInto(sheet, "LATX", "45");
        QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(shell::WindowRegistry::instance().open(name), sheet); // raised, not made again
        QCOMPARE(textOf(sheet, "LATX"), QStringLiteral("45"));
    }

    // Both sheets with the default inputs: the worked examples of the design.
    void computesTheWorkedExamples_data()
    {
        addSheetColumn();
        QTest::addColumn<QStringList>("texts"); // positions 4.30 to 20
        QTest::newRow("East, defaults 38,1375 and 38") << kEast
            << QStringList{"--------", "-167,9", "-160,6", "-154,2", "-148,4", "-143,1", "-138,1", "-133,3",
                           "-128,6", "-124",   "-119,2", "-114,3", "-109",   "-103,3", "-97",    "-90",
                           "-82",    "-72,9",  "-62,7",  "-51,4",  "-39,4",  "-27,4",  "-15,9",  "--------"}
                   + dashes(8);
        QTest::newRow("West, defaults 38,1375 and 38") << kWest
            << dashes(7)
                   + QStringList{"--------", "-164,1", "-152,6", "-140,6", "-128,6", "-117,3", "-107,1", "-98",
                                 "-90",    "-83",    "-76,7",  "-71",    "-65,7",  "-60,8",  "-56",    "-51,4",
                                 "-46,7",  "-41,9",  "-36,9",  "-31,6",  "-25,8",  "-19,4",  "-12,1",  "--------"}
                   + dashes(1);
    }
    void computesTheWorkedExamples()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, texts);
        QWidget *sheet = open(name);
        press(sheet, "Command1");
        QCOMPARE(shownTexts(sheet, name), texts);
        QCOMPARE(textOf(sheet, "LATX"), QStringLiteral("38,1375"));
        QCOMPARE(textOf(sheet, "DCL1"), QStringLiteral("38"));
        QVERIFY(!warningOpen("errore") && !warningOpen("errore2") && !warningOpen("errore3"));
    }

    void enterInAnInputComputes_data() { addSheetRows(); }
    void enterInAnInputComputes()
    {
        QFETCH(QString, name);
        QWidget *sheet = open(name);
        QTest::keyClick(fieldOf(sheet, "DCL1"), Qt::Key_Return);
        // The 9 o'clock line of the defaults.
        QCOMPARE(textOf(sheet, fieldsOf(name)[positionOf("9")]), name == kEast ? "-124" : "-152,6");
    }

    // The mended cases: a wall that does not decline, the West 20 o'clock line, no "-0".
    void mendedCases_data()
    {
        addSheetColumn();
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("declination");
        QTest::addColumn<QStringList>("hours");
        QTest::addColumn<QStringList>("texts");
        const QStringList earlyAndLate{"4.30", "5", "5.30", "18", "18.30", "19", "19.30", "20"};
        QTest::newRow("East wall that does not decline, as InfoDCL tells: closed form")
            << kEast << "38,1375" << "0,0000001"
            << QStringList{"6", "6.30", "7", "9", "11", "13", "15", "17", "17.30"} + earlyAndLate
            << QStringList{"-180", "-170,5", "-161,2", "-128,2", "-101,9", "-78,1", "-51,8", "-18,8", "-9,5"}
                   + dashes(8);
        // The mirror image of the row above (West at T is -180 minus East at 24 - T).
        QTest::newRow("West wall that does not decline: mirror image, 18 o'clock is 0 and not -0")
            << kWest << "38,1375" << "0,0000001"
            << QStringList{"18", "17.30", "17", "15", "13", "11", "9", "7", "6.30",
                           "4.30", "5", "5.30", "6", "18.30", "19", "19.30"}
            << QStringList{"0", "-9,5", "-18,8", "-51,8", "-78,1", "-101,9", "-128,2", "-161,2", "-170,5"}
                   + dashes(7);
        QTest::newRow("West 20 o'clock line exists: latitude 55, declination 60")
            << kWest << "55" << "60" << QStringList{"20"} << QStringList{"-36,3"};
        QTest::newRow("West 20 o'clock line exists: latitude 50, declination 45")
            << kWest << "50" << "45" << QStringList{"20"} << QStringList{"-11,7"};
        QTest::newRow("West 20 o'clock line with the defaults does not exist")
            << kWest << "38,1375" << "38" << QStringList{"20"} << dashes(1);
    }
    void mendedCases()
    {
        QFETCH(QString, name);
        QFETCH(QString, latitude);
        QFETCH(QString, declination);
        QFETCH(QStringList, hours);
        QFETCH(QStringList, texts);
        QWidget *sheet = open(name);
        typeInto(sheet, "LATX", latitude);
        typeInto(sheet, "DCL1", declination);
        press(sheet, "Command1");
        QVERIFY(!warningOpen("errore3"));
        for (int i = 0; i < hours.size(); ++i) {
            const QString field = fieldsOf(name)[positionOf(hours[i])];
            QVERIFY2(textOf(sheet, field) == texts[i],
                     qPrintable(QStringLiteral("%1 (%2): '%3', expected '%4'")
                                    .arg(hours[i], field, textOf(sheet, field), texts[i])));
        }
        for (const QString &text : shownTexts(sheet, name)) {
            QVERIFY2(text != QLatin1String("-0") && !text.contains(QLatin1String("nan"))
                         && !text.contains(QLatin1String("inf")), qPrintable(text));
        }
    }

    // Refused computes change nothing, whatever stood in the fields before. Presence comes
    // before sign, sign before range, latitude before declination.
    void refusals_data()
    {
        addSheetColumn();
        QTest::addColumn<QString>("latitude");
        QTest::addColumn<QString>("declination");
        QTest::addColumn<QString>("warning");
        const struct {
            const char *tag, *lat, *dcl, *warning;
        } rows[] = {
            {"latitude 0", "0", "38", "errore"},
            {"latitude 0 and declination 0", "0", "0", "errore"},
            {"declination -5", "38,1375", "-5", "errore2"},
            {"latitude -5", "-5", "38", "errore2"},
            {"latitude -5 and declination 0", "-5", "0", "errore2"},
            {"latitude abc", "abc", "38", "errore"},
            {"declination abc", "38,1375", "abc", "errore"},
            {"latitude abc and declination -5: treated as missing", "abc", "-5", "errore"},
            {"latitude empty", "", "38", "errore"},
            {"declination empty", "38,1375", "", "errore"},
            {"two commas", "38,1,375", "38", "errore"},
            {"latitude 90", "90", "38", "errore3"},
            {"latitude 120", "120", "38", "errore3"},
            {"declination 90", "38,1375", "90", "errore3"},
            {"declination 120", "38,1375", "120", "errore3"},
            {"latitude 120 and declination -5: sign first", "120", "-5", "errore2"},
            {"latitude 89,99 and declination 90", "89,99", "90", "errore3"},
        };
        for (const QString &name : {kEast, kWest})
            for (const auto &r : rows)
                QTest::addRow("%s, %s", name == kEast ? "East" : "West", r.tag)
                    << name << QString::fromUtf8(r.lat) << QString::fromUtf8(r.dcl) << QString::fromLatin1(r.warning);
    }
    // A wall that does not decline is the commonest of all: "0" computes it, and the East and
    // West sheets then show the same wall.
    void southFacingWallComputes()
    {
        QMap<QString, QString> shown[2];
        int k = 0;
        for (const QString &name : {kEast, kWest}) {
            QWidget *sheet = open(name);
            typeInto(sheet, "LATX", "38,1375");
            typeInto(sheet, "DCL1", "0");
            press(sheet, "Command1");
            for (const char *w : {"errore", "errore2", "errore3"})
                QVERIFY2(!warningOpen(w), w);
            shown[k++] = allTexts(sheet);
        }
        // At 38,1375 the 6 o'clock line of a South wall lies along the horizontal, and the 18
        // o'clock line mirrors it, on either sheet.
        for (const auto &texts : shown) {
            QVERIFY(texts.values().contains(QStringLiteral("-180")));
            QVERIFY(texts.values().contains(QStringLiteral("0")));
        }
    }

    void refusals()
    {
        QFETCH(QString, name);
        QFETCH(QString, latitude);
        QFETCH(QString, declination);
        QFETCH(QString, warning);
        QWidget *sheet = open(name);
        press(sheet, "Command1"); // results of an earlier compute must survive the refusal
        typeInto(sheet, "LATX", latitude);
        typeInto(sheet, "DCL1", declination);
        const auto before = allTexts(sheet);
        press(sheet, "Command1");
        for (const char *w : {"errore", "errore2", "errore3"})
            QCOMPARE(warningOpen(w), warning == QLatin1String(w));
        QCOMPARE(allTexts(sheet), before);
        QVERIFY(sheet->isVisible() && sheet->isEnabled()); // the warning does not block the sheet
        press(sheet, "Command1");
        int open = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            open += w->objectName() == warning && w->isVisible();
        QCOMPARE(open, 1);
    }

    // The smallest inputs that pass: the range check ends just below 90.
    void justBelowNinetyComputes()
    {
        QWidget *sheet = open(kEast);
        typeInto(sheet, "LATX", "89,9");
        typeInto(sheet, "DCL1", "89,9");
        press(sheet, "Command1");
        QVERIFY(!warningOpen("errore3"));
        QVERIFY(textOf(sheet, "NOVE") != QLatin1String("0"));
    }

    void computeTwiceRewritesEveryField_data() { addSheetRows(); }
    void computeTwiceRewritesEveryField()
    {
        QFETCH(QString, name);
        QWidget *sheet = open(name);
        press(sheet, "Command1");
        // With the defaults the East 16.30 and the West 7.30 lines do not exist; on a wall
        // declining 10 degrees at latitude 45 they do (values by the shadow below).
        const QString field = QStringLiteral("SEDICI5");
        QCOMPARE(textOf(sheet, field), kDash);
        const QStringList first = shownTexts(sheet, name);
        typeInto(sheet, "LATX", "45");
        typeInto(sheet, "DCL1", "10");
        press(sheet, "Command1");
        QVERIFY(textOf(sheet, field) != kDash);
        double worst = 0;
        QCOMPARE(compareWithShadow(sheet, name, 45, 10, worst), 32); // noon's -90 included
        const QStringList second = shownTexts(sheet, name);
        int changed = 0;
        for (int p = 0; p < 32; ++p)
            changed += first[p] != second[p];
        QVERIFY2(changed >= 20, qPrintable(second.join(' ')));
        QCOMPARE(textOf(sheet, "DODICI"), QStringLiteral("-90"));
        // And back: the first inputs give the first texts again.
        typeInto(sheet, "LATX", "38,1375");
        typeInto(sheet, "DCL1", "38");
        press(sheet, "Command1");
        QCOMPARE(shownTexts(sheet, name), first);
    }

    // Fields are written in the order of the East names, quattro5 to venti, on
    // both sheets, noon excepted.
    void writesInTheOrderOfTheFieldNames_data() { addSheetRows(); }
    void writesInTheOrderOfTheFieldNames()
    {
        QFETCH(QString, name);
        QWidget *sheet = open(name);
        QStringList order;
        for (const QString &field : kEastFields)
            connect(fieldOf(sheet, field), &QLineEdit::textChanged, this, [&order, field] { order << field; });
        press(sheet, "Command1");
        QStringList expected = kEastFields;
        expected.removeAll(QStringLiteral("DODICI"));
        QCOMPARE(order, expected);
    }

    void resetThenCompute_data() { addSheetRows(); }
    void resetThenCompute()
    {
        QFETCH(QString, name);
        QWidget *sheet = open(name);
        // A wall where the West 20 o'clock line exists, so that a kept text is not a dash.
        typeInto(sheet, "LATX", "55");
        typeInto(sheet, "DCL1", "60");
        press(sheet, "Command1");
        const auto computed = allTexts(sheet);
        press(sheet, "Command2");
        QCOMPARE(textOf(sheet, "LATX"), QStringLiteral("0"));
        QCOMPARE(textOf(sheet, "DCL1"), QStringLiteral("0"));
        for (const QString &field : kEastFields) {
            if (field == QLatin1String("DODICI") || field == QLatin1String("diciannove5")
                || field == QLatin1String("venti"))
                QCOMPARE(textOf(sheet, field), computed.value(field));
            else
                QCOMPARE(textOf(sheet, field), QStringLiteral("0"));
        }
        QCOMPARE(textOf(sheet, "DODICI"), QStringLiteral("-90"));
        if (name == kWest)
            QCOMPARE(textOf(sheet, "venti"), QStringLiteral("-36,3"));
        const auto reset = allTexts(sheet);
        press(sheet, "Command1");
        QVERIFY(warningOpen("errore"));
        QCOMPARE(allTexts(sheet), reset);
    }

    void exampleOpensTheDecliningDrawing()
    {
        // Each side shows its own wall: the West picture is the mirror of the East one.
        QWidget *east = open(kEast);
        press(east, "Command3");
        QWidget *drawing = shell::WindowRegistry::instance().open(QStringLiteral("DisGonVrt"));
        QVERIFY(drawing && drawing->isVisible());
        QCOMPARE(drawing->windowTitle(), QStringLiteral("Verticale declinante"));
        QVERIFY(!drawing->isModal());
        QWidget *west = open(kWest);
        press(west, "Command3");
        QWidget *mirror = shell::WindowRegistry::instance().open(QStringLiteral("DisGonVrtOvest"));
        QVERIFY(mirror && mirror->isVisible());
        QCOMPARE(mirror->windowTitle(), QStringLiteral("Verticale declinante ad Ovest"));
        QCOMPARE(shell::WindowRegistry::instance().open(QStringLiteral("DisGonVrt")), drawing);
        QVERIFY(east->isVisible() && west->isVisible());
        typeInto(east, "LATX", "40"); // both sheets stay usable
        press(east, "Command1");
        QVERIFY(!warningOpen("errore"));
    }

    // Every shown angle against the shadow of the style, over latitudes and
    // declinations strictly between 0 and 90 on both sides, through the windows.
    void everyAngleIsTheShadowOfTheStyle_data() { addSheetRows(); }
    void everyAngleIsTheShadowOfTheStyle()
    {
        QFETCH(QString, name);
        QWidget *sheet = open(name);
        shadowframe::Uniform random(name == kEast ? 20021 : 20022);
        // Typed as a user types them; the random ones with four decimals.
        QList<QPair<QString, QString>> inputs{
            {"38,1375", "38"}, {"38,1375", "0,0000001"}, {"55", "60"},     {"50", "45"},    {"45", "10"},
            {"0,5", "89,5"},   {"89,5", "0,5"},          {"89,5", "89,5"}, {"0,001", "0,001"}, {"89,99", "89,99"}};
        const auto typed = [](double v) { return QString::number(v, 'f', 4).replace(QLatin1Char('.'), QLatin1Char(',')); };
        for (int i = 0; i < 40; ++i)
            inputs.append({typed(random.in(0.01, 89.99)), typed(random.in(0.01, 89.99))});
        double worst = 0;
        int compared = 0;
        for (const auto &[lat, dcl] : inputs) {
            typeInto(sheet, "LATX", lat);
            typeInto(sheet, "DCL1", dcl);
            press(sheet, "Command1");
            QVERIFY(!warningOpen("errore") && !warningOpen("errore3"));
            const int n = compareWithShadow(sheet, name, *sheet::ReadNumber(lat.toStdString()),
                                            *sheet::ReadNumber(dcl.toStdString()), worst);
            QVERIFY2(n > 0, qPrintable(QStringLiteral("lat %1 dcl %2").arg(lat, dcl)));
            compared += n;
        }
        qInfo("%d hour fields against the shadow; largest difference %.6f degrees", compared, worst);
    }

    void reportBeforeCompute_data() { addSheetRows(); }
    void reportBeforeCompute()
    {
        QFETCH(QString, name);
        QWidget *sheet = open(name);
        const auto page = reportOf(sheet);
        QCOMPARE(page.fontPt, 12);
        const auto want = expectedReport(sheet, name);
        QVERIFY2(page.items == want, qPrintable(describe(page.items)));
        QCOMPARE(page.items.size(), std::size_t(name == kEast ? 35 : 33));
        QCOMPARE(page.items[0].text, std::string("MERIDIANA   VERTICALE   LAT.=38,1375°"));
        QCOMPARE(page.items[1].text, std::string(name == kEast ? "DCL EST =38°" : "DCL OVEST =38°"));
        for (std::size_t k = 3; k + 1 < page.items.size(); ++k) {
            const bool noon = page.items[k].text.starts_with("12.00");
            QVERIFY2(page.items[k].text.ends_with(noon ? "=  -90°" : "=  0°"), page.items[k].text.c_str());
        }
        QCOMPARE(page.items.back(), (sheet::ReportItem{40, 280, sheet::kCreditLine}));
    }

    void reportAfterCompute_data()
    {
        addSheetColumn();
        QTest::addColumn<QStringList>("lines"); // spot checks of the design's examples
        QTest::newRow("East defaults") << kEast
            << QStringList{"DCL EST =38°", " 5.00 =  -167,9°", " 9.00 =  -124°", "12.00 =  -90°", "16.00 =  --------",
                           "16.30 =  --------", "17.00 =  --------", "19.30 =  --------", "20.00 =  --------"};
        QTest::newRow("West defaults") << kWest
            << QStringList{"DCL OVEST =38°", " 19.00 =  -12,1°", " 16.00 =  -46,7°", "11.30 =  -98°", " 8.00 =  --------",
                           "12.00 =  -90°", "5.30 =  --------", "5.00 =  --------"};
    }
    void reportAfterCompute()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, lines);
        QWidget *sheet = open(name);
        press(sheet, "Command1");
        const auto before = allTexts(sheet);
        const auto page = reportOf(sheet);
        QCOMPARE(allTexts(sheet), before);
        const auto want = expectedReport(sheet, name);
        QVERIFY2(page.items == want, qPrintable(describe(page.items)));
        QStringList printed;
        for (const auto &item : page.items)
            printed << qs(item.text);
        for (const QString &line : lines)
            QVERIFY2(printed.contains(line), qPrintable(line));
        if (name == kEast)
            QCOMPARE(page.items[33], (sheet::ReportItem{80, 272, "20.00 =  --------"}));
        else
            QCOMPARE(page.items[31], (sheet::ReportItem{80, 258, "5.00 =  --------"}));
    }

    // A line prints the text of the field beside its hour on the sheet, whatever it is.
    void reportPrintsWhatTheSheetShows_data() { addSheetRows(); }
    void reportPrintsWhatTheSheetShows()
    {
        QFETCH(QString, name);
        QWidget *sheet = open(name);
        for (int p = 0; p < 32; ++p)
            fieldOf(sheet, fieldsOf(name)[p])->setText(QStringLiteral("h") + kHourLabels[p]);
        const auto page = reportOf(sheet);
        const bool east = name == kEast;
        const QStringList &hours = east ? kEastReportHours : kWestReportHours;
        for (int k = 0; k < hours.size(); ++k) {
            // Hour text "19.00" on the West report, " 5.00" on the East: the field beside that label.
            QString hour = hours[k].trimmed().section(QLatin1Char(' '), 0, 0);
            if (hour.endsWith(QLatin1String(".00")))
                hour.chop(3);
            QCOMPARE(qs(page.items[3 + k].text), hours[k] + QStringLiteral("h") + hour);
        }
        // After a reset the page carries the zeros and the kept texts.
        press(sheet, "Command2");
        QVERIFY(reportOf(sheet).items == expectedReport(sheet, name));
        QCOMPARE(reportOf(sheet).items[0].text, std::string("MERIDIANA   VERTICALE   LAT.=0°"));
    }
};

QTEST_MAIN(TestDecliningSheet)
#include "test_decliningsheet.moc"
