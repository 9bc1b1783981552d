// The 2002 windows and reports in English, as a user with an English system sees them: the
// same numbers written with a decimal point, English words, the report lines at the places the
// Italian page gives them, and no Italian word left behind.

#include "sheettesting.h"

#include "drawing/sheetsketch.h"
#include "horizontal/curvesreport.h"
#include "horizontal/horizontalwindows.h"
#include "horizontal/hourreport.h"
#include "shell/language.h"
#include "shell/textwindows.h"
#include "sheet/translation.h"
#include "vertical/curvesreport.h"
#include "vertical/decliningreport.h"
#include "vertical/verticalrows.h"
#include "vertical/verticalwindows.h"
#include "vertical/zodiacreport.h"

#include <QFile>
#include <QLabel>
#include <QXmlStreamReader>

namespace {

// Average advance of a Liberation Sans character on the printed page (mixed capitals, small
// letters, digits and blanks), in mm: 12 pt ≈ 2.1 mm, 9 pt ≈ 1.6 mm.
double mmPerCharacter(int fontPt)
{
    return fontPt * 2.1 / 12.0;
}
// Right end of the printable area of an A4 portrait page, measured from its left edge.
constexpr double kPrintableRightMm = 198;
constexpr double kSameLineMm = 1.0;

std::string englishFromCatalogue(const char *italian)
{
    return QCoreApplication::translate("horalo", italian).toStdString();
}

// A sheet's field texts for the report builders: every field reads as a plausible result.
std::string fieldValue(const std::string &name)
{
    if (name == "Latx" || name == "LATX" || name == "LAT")
        return "38.1217";
    if (name == "DCL1")
        return "38";
    return "-123.45";
}

sheet::ReportPage buildReport(const QString &which)
{
    const sheet::FieldText field = fieldValue;
    if (which == "hours")
        return horizontal::BuildHourReport(field);
    if (which == "horizontal curves")
        return horizontal::BuildCurvesReport(field);
    if (which == "vertical curves East")
        return vertical::BuildCurvesReport(field, vertical::Side::East);
    if (which == "vertical curves West")
        return vertical::BuildCurvesReport(field, vertical::Side::West);
    if (which == "zodiac East")
        return vertical::BuildZodiacReport(field, vertical::Side::East);
    if (which == "zodiac West")
        return vertical::BuildZodiacReport(field, vertical::Side::West);
    if (which == "declining East")
        return vertical::BuildDecliningReport(sheet::WallSide::East, field);
    return vertical::BuildDecliningReport(sheet::WallSide::West, field);
}

// Where the item's text must end: before the next item to its right on the same line, or at
// the edge of the printable area.
double roomMm(const sheet::ReportPage &page, std::size_t k)
{
    const sheet::ReportItem &item = page.items[k];
    double limit = kPrintableRightMm;
    for (const sheet::ReportItem &other : page.items)
        if (std::abs(other.yMm - item.yMm) < kSameLineMm && other.xMm > item.xMm)
            limit = std::min(limit, other.xMm);
    return limit - item.xMm;
}

// The Italian texts of the catalogue whose English differs: none of them may be on show.
QSet<QString> italianOnlyTexts()
{
    QFile file(QStringLiteral(HORALO_CATALOGUE));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QSet<QString> texts;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && xml.readElementText() != source)
            texts.insert(source);
    }
    return texts;
}

} // namespace

class TestEnglish : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        auto &registry = shell::WindowRegistry::instance();
        shell::registerShellWindows(registry);
        horizontal::registerHorizontalWindows(registry);
        vertical::registerVerticalWindows(registry);
        QVERIFY(shell::installLanguage(shell::Language::English));
    }
    void cleanup() { closeAllWindows(); }

    void sheetsShowTheSameNumbersWithAPoint_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("want");
        // The Italian tests pin the same values with a comma: GonOrz at latitude 38 gives
        // 113,52 for 5 o'clock; CurveVrt's defaults give 156,8 mm at 5 o'clock, summer, and
        // a style elevation of 38,31°.
        QTest::newRow("GonOrz lat 38, 5 o'clock") << "GonOrz" << "V" << "113.52";
        QTest::newRow("GonOrz lat 38, 7 o'clock") << "GonOrz" << "VII" << "66.48";
        QTest::newRow("GonOrz lat 38, 11.30") << "GonOrz" << "XI5" << "4.63";
        QTest::newRow("CurveVrt defaults, 5 o'clock summer")
            << "CurveVrt" << QString::fromStdString(vertical::cellName(0, 1)) << "156.8";
        QTest::newRow("CurveVrt defaults, 6 o'clock equinox")
            << "CurveVrt" << QString::fromStdString(vertical::cellName(1, 3)) << "57.2";
        QTest::newRow("CurveVrt defaults, style elevation") << "CurveVrt" << "e3" << "38.31";
        QTest::newRow("CurveVrt defaults, style height") << "CurveVrt" << "h" << "25.00";
    }
    void sheetsShowTheSameNumbersWithAPoint()
    {
        QFETCH(QString, window);
        QFETCH(QString, field);
        QFETCH(QString, want);
        QWidget *sheet = shell::showWindow(window);
        QVERIFY(sheet);
        if (window == "GonOrz")
            typeInto(sheet, "LAT", "38");
        press(sheet, window == "GonOrz" ? "Calcola" : "calcola");
        QCOMPARE(textOf(sheet, field), want);
    }

    void defaultsAreWrittenWithAPoint_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("want");
        QTest::newRow("CurveVrt latitude") << "CurveVrt" << "Latx" << "38.1217";
        QTest::newRow("CurveVrt style") << "CurveVrt" << "s" << "40.32";
        QTest::newRow("ZodiacoVrt Gemini declination") << "ZodiacoVrt" << "dlc1" << "20.16";
        QTest::newRow("GonvrtEst latitude") << "GonvrtEst" << "LATX" << "38.1375";
    }
    void defaultsAreWrittenWithAPoint()
    {
        QFETCH(QString, window);
        QFETCH(QString, field);
        QFETCH(QString, want);
        QWidget *sheet = shell::showWindow(window);
        QVERIFY(sheet);
        QCOMPARE(textOf(sheet, field), want);
    }

    void typedCommaStillReads()
    {
        QWidget *sheet = shell::showWindow(QStringLiteral("GonOrz"));
        typeInto(sheet, "LAT", "38,5");
        press(sheet, "Calcola");
        // Italian test: latitude 38,5 gives 113,29 for 5 o'clock.
        QCOMPARE(textOf(sheet, "V"), QStringLiteral("113.29"));
    }

    void windowsSpeakEnglish_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("child"); // empty: the window's title
        QTest::addColumn<QString>("want");
        QTest::newRow("main menu title") << "Meridiane" << "" << "Main Menu";
        QTest::newRow("main menu, horizontal") << "Meridiane" << "Orizzontali" << "Horizontal";
        QTest::newRow("main menu, wall survey") << "Meridiane" << "RilievoParete" << "Wall survey";
        QTest::newRow("vertical menu, declines East") << "MenuVert" << "DeclinaEst" << "Declines East";
        QTest::newRow("horizontal menu example") << "MenuOrz" << "EsempioGonOrz" << "Example";
        QTest::newRow("hour angles title") << "GonOrz" << "" << "Horizontal";
        QTest::newRow("hour angles compute") << "GonOrz" << "Calcola" << "Compute";
        QTest::newRow("hour angles clear") << "GonOrz" << "Azzera" << "Clear";
        QTest::newRow("horizontal curves title") << "CurveOrizz" << "" << "Horizontal solstice and equinox curves.";
        QTest::newRow("vertical curves title") << "CurveVrt" << "" << "Vertical solstice and equinox curves.";
        QTest::newRow("vertical curves print East") << "CurveVrt" << "StampaEst" << "Print East";
        QTest::newRow("vertical curves height caption")
            << "CurveVrt" << "captionH" << "Nodus height                  ";
        QTest::newRow("zodiac print West") << "ZodiacoVrt" << "Stampaovest" << "Print West";
        QTest::newRow("declining West title") << "GonvrtOvest" << "" << "Hour angles on a wall declining West";
        QTest::newRow("missing value warning")
            << QString::fromLatin1(shell::kWarningMissing) << "Label2" << "has not been entered!!!";
        QTest::newRow("range warning title") << QString::fromLatin1(shell::kWarningRange) << "" << "ERROR!!";
        QTest::newRow("drawing window fit") << "Disegno" << "Adatta" << "Fit";
    }
    void windowsSpeakEnglish()
    {
        QFETCH(QString, window);
        QFETCH(QString, child);
        QFETCH(QString, want);
        QWidget *shown = shell::showWindow(window);
        QVERIFY2(shown, qPrintable(window));
        if (child.isEmpty()) {
            QCOMPARE(shown->windowTitle(), want);
            return;
        }
        QWidget *widget = shown->findChild<QWidget *>(child);
        QVERIFY2(widget, qPrintable(QStringLiteral("no widget named %1 in %2").arg(child, window)));
        if (auto *button = qobject_cast<QPushButton *>(widget))
            QCOMPARE(button->text(), want);
        else if (auto *label = qobject_cast<QLabel *>(widget))
            QCOMPARE(label->text(), want);
        else
            QFAIL("neither a label nor a button");
    }

    void sideLabelSpeaksEnglish_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("want");
        QTest::newRow("East") << "Est" << "EAST";
        QTest::newRow("West") << "Ovest" << "WEST";
    }
    void sideLabelSpeaksEnglish()
    {
        QFETCH(QString, button);
        QFETCH(QString, want);
        QWidget *sheet = shell::showWindow(QStringLiteral("CurveVrt"));
        press(sheet, button);
        auto *direction = sheet->findChild<QLabel *>(QStringLiteral("Label13"));
        QVERIFY(direction);
        QCOMPARE(direction->text(), want);
    }

    // The sheets' full-scale drawings speak English too: titles, the title block, the curves
    // by their day and the signs, with a decimal point.
    void sheetDrawingsInEnglish_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("horizontal") << 0 << QStringList{"June 21", "December 21", "Equinoxes", "Latitude 38.5°"};
        QTest::newRow("vertical") << 1 << QStringList{"Vertical curves drawing West", "Declination 38° West",
                                                      "Style length 40.32 mm", "June 21", "Equinoxes"};
        QTest::newRow("zodiac") << 2 << QStringList{"Gemini and Leo", "Taurus and Virgo", "Anniversary 15"};
    }
    void sheetDrawingsInEnglish()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, texts);
        const auto west = sheet::WallSide::West;
        const drawing::SheetSketch s =
            kind == 0   ? drawing::BuildHorizontalSheetSketch(38.5, 10)
            : kind == 1 ? drawing::BuildVerticalSheetSketch(38.1217, 38, 40.32, west)
                        : drawing::BuildZodiacSheetSketch(38.1167, 38, 40.32, west, 20.16, 11.48, 15, "Anniversary 15");
        QStringList shown{QString::fromStdString(s.sketch.title)};
        for (const auto &label : s.sketch.labels)
            shown << QString::fromStdString(label.text);
        for (const QString &t : texts)
            QVERIFY2(shown.contains(t), qPrintable(t + QStringLiteral(" is not in ") + shown.join(QStringLiteral(" | "))));
        const QSet<QString> italian = italianOnlyTexts();
        for (const QString &t : shown)
            QVERIFY2(!italian.contains(t), qPrintable(QStringLiteral("Italian text on the drawing: ") + t));
    }

    void noItalianLeft_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *name : {"Meridiane", "MenuOrz", "MenuVert", "GonOrz", "CurveOrizz", "GonvrtEst", "GonvrtOvest",
                                 "CurveVrt", "ZodiacoVrt", "Note", "InfoDCL", "Declinazione", "Disegno"})
            QTest::newRow(name) << QString::fromLatin1(name);
        for (const char *name : {shell::kWarningMissing, shell::kWarningNegative, shell::kWarningRange, shell::kWarningDate,
                                 shell::kWarningLatitude, shell::kWarningSunDeclination, shell::kWarningStyle})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void noItalianLeft()
    {
        QFETCH(QString, window);
        static const QSet<QString> italian = italianOnlyTexts();
        QVERIFY2(italian.size() > 100, "the catalogue could not be read");
        QWidget *shown = shell::showWindow(window);
        QVERIFY(shown);
        QStringList seen{shown->windowTitle()};
        for (const QLabel *label : shown->findChildren<QLabel *>())
            seen << label->text();
        for (const QPushButton *button : shown->findChildren<QPushButton *>())
            seen << button->text();
        for (const QLineEdit *edit : shown->findChildren<QLineEdit *>())
            seen << edit->placeholderText();
        for (const QString &text : seen)
            QVERIFY2(!italian.contains(text), qPrintable(QStringLiteral("Italian text on show: \"%1\"").arg(text)));
    }

    void reportKeepsTheItalianPlaces_data()
    {
        QTest::addColumn<QString>("report");
        for (const char *name : {"hours", "horizontal curves", "vertical curves East", "vertical curves West",
                                 "zodiac East", "zodiac West", "declining East", "declining West"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void reportKeepsTheItalianPlaces()
    {
        QFETCH(QString, report);
        sheet::setTextTranslator(nullptr);
        const sheet::ReportPage italian = buildReport(report);
        sheet::setTextTranslator(englishFromCatalogue);
        const sheet::ReportPage english = buildReport(report);
        QCOMPARE(english.fontPt, italian.fontPt);
        QCOMPARE(english.items.size(), italian.items.size());
        int changed = 0;
        for (std::size_t k = 0; k < english.items.size(); ++k) {
            const sheet::ReportItem &en = english.items[k];
            const sheet::ReportItem &it = italian.items[k];
            QCOMPARE(en.xMm, it.xMm);
            QCOMPARE(en.yMm, it.yMm);
            if (en.text != it.text)
                ++changed;
            // Characters, not bytes: the degree sign is one character on paper.
            const double widthMm = QString::fromStdString(en.text).size() * mmPerCharacter(english.fontPt);
            const double room = roomMm(english, k);
            QVERIFY2(widthMm <= room,
                     qPrintable(QStringLiteral("\"%1\" needs %2 mm, has %3 mm")
                                    .arg(QString::fromStdString(en.text)).arg(widthMm).arg(room)));
        }
        QVERIFY2(changed >= 3, "the English page reads like the Italian one");
    }

    void reportLinesInEnglish_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("want");
        QTest::newRow("hours title") << "hours" << 0 << "HORIZONTAL SUNDIAL   LAT.=38.1217°";
        QTest::newRow("hours project line")
            << "hours" << 1 << "Project:________________________________  Date____/_____/_____ Note:____________";
        QTest::newRow("hours credit") << "hours" << 31 << "Horalo 2002 - a program for making sundials";
        QTest::newRow("horizontal curves summer heading") << "horizontal curves" << 3 << "SS";
        QTest::newRow("vertical curves title") << "vertical curves East" << 0 << "VERTICAL   SUNDIAL   LAT.=38.1217°";
        QTest::newRow("vertical curves West declination") << "vertical curves West" << 1 << "DCL WEST =38°";
        QTest::newRow("declining East declination") << "declining East" << 1 << "DCL EAST =38°";
        QTest::newRow("zodiac hours heading") << "zodiac East" << 3 << "Hours";
        QTest::newRow("zodiac first sign") << "zodiac East" << 4 << "Gemini";
    }
    void reportLinesInEnglish()
    {
        QFETCH(QString, report);
        QFETCH(int, item);
        QFETCH(QString, want);
        sheet::setTextTranslator(englishFromCatalogue);
        const sheet::ReportPage page = buildReport(report);
        QVERIFY(static_cast<std::size_t>(item) < page.items.size());
        QCOMPARE(QString::fromStdString(page.items[static_cast<std::size_t>(item)].text), want);
    }

    void reportsMeasureFromTheDialCentre_data()
    {
        QTest::addColumn<QString>("report");
        for (const char *name : {"horizontal curves", "vertical curves East", "vertical curves West", "zodiac East", "zodiac West"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void reportsMeasureFromTheDialCentre()
    {
        // The numbers are distances from O, where the style meets the plane: a maker who read
        // "foot" would measure from F, another point, and put every mark off.
        QFETCH(QString, report);
        sheet::setTextTranslator(englishFromCatalogue);
        const sheet::ReportPage page = buildReport(report);
        int legends = 0;
        for (const sheet::ReportItem &item : page.items) {
            const QString text = QString::fromStdString(item.text);
            if (text == QLatin1String("Distances in mm from the dial centre O (root of the style) along the hour lines"))
                ++legends;
            QVERIFY2(!text.contains(QLatin1String("foot"), Qt::CaseInsensitive), qPrintable(text));
        }
        QCOMPARE(legends, 1);
    }

    void styleConstructionInEnglish_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QStringList>("starts");
        const QStringList vertical{"Building the style:", "Style length = ", "Nodus height = ", "Style base (O to F) = ",
                                   "Substyle angle = ", "Style elevation = "};
        QTest::newRow("vertical curves East") << "vertical curves East" << vertical;
        QTest::newRow("vertical curves West") << "vertical curves West" << vertical;
        QTest::newRow("horizontal curves") << "horizontal curves"
                                           << QStringList{"Style length = ", "Style base = ", "Nodus height = "};
    }
    void styleConstructionInEnglish()
    {
        // The sheets' "Altezza Stilo" is a length, the nodus height; the elevation is the angle.
        QFETCH(QString, report);
        QFETCH(QStringList, starts);
        sheet::setTextTranslator(englishFromCatalogue);
        const sheet::ReportPage page = buildReport(report);
        QStringList found;
        for (const sheet::ReportItem &item : page.items)
            for (const QString &start : starts)
                if (QString::fromStdString(item.text).startsWith(start))
                    found << start;
        QCOMPARE(found, starts);
    }

    void printMessagesInEnglish()
    {
        QCOMPARE(sheet::kPrintSent.text(), QStringLiteral("Print sent"));
        QCOMPARE(sheet::kPrintFailed.text(), QStringLiteral("Printing failed"));
    }
};

QTEST_MAIN(TestEnglish)
#include "test_english.moc"
