// The program's one table of refusals: every field and reason the dial engine and the wall
// survey can give is said in a sentence of its own, in Italian and in English, and the notes
// the survey writes beside its fields read as they always did.

#include "testsupport.h"

#include "gnomonics/enginestatus.h"
#include "shell/language.h"
#include "sheet/refusaltext.h"

#include <QApplication>
#include <QSet>

#include <string>
#include <utility>
#include <vector>

using gnomonics::InputField;
using gnomonics::RefusalReason;

namespace {

struct Given {
    const char *tag;
    InputField field;
    RefusalReason reason;
};

// Each refusal the engine returns (CheckPlace, the plane, the Sun at a clock time, the date
// lines, the dial's step and plate) and the survey adds (a reading's angle, the plumb line).
const Given kGiven[] = {
    {"latitude not a number", InputField::Latitude, RefusalReason::NotFinite},
    {"latitude beyond the poles", InputField::Latitude, RefusalReason::OutOfRange},
    {"longitude not a number", InputField::Longitude, RefusalReason::NotFinite},
    {"longitude beyond 180", InputField::Longitude, RefusalReason::OutOfRange},
    {"time zone not a number", InputField::TimeZone, RefusalReason::NotFinite},
    {"time zone beyond -12..14", InputField::TimeZone, RefusalReason::OutOfRange},
    {"declination not a number", InputField::Declination, RefusalReason::NotFinite},
    {"declination beyond 180", InputField::Declination, RefusalReason::OutOfRange},
    {"inclination not a number", InputField::Inclination, RefusalReason::NotFinite},
    {"plane facing the ground", InputField::Inclination, RefusalReason::OutOfRange},
    {"nodus height not a number", InputField::NodusHeight, RefusalReason::NotFinite},
    {"nodus height zero", InputField::NodusHeight, RefusalReason::NotPositive},
    {"style length not a number", InputField::StyleLength, RefusalReason::NotFinite},
    {"style length zero", InputField::StyleLength, RefusalReason::NotPositive},
    {"style length on a polar dial", InputField::StyleLength, RefusalReason::NoCentre},
    {"date line's declination not a number", InputField::Date, RefusalReason::NotFinite},
    {"date out of the years", InputField::Date, RefusalReason::OutOfRange},
    {"31 February", InputField::Date, RefusalReason::NoSuchDate},
    {"year 1500", InputField::Year, RefusalReason::OutOfRange},
    {"clock not a number", InputField::ClockTime, RefusalReason::NotFinite},
    {"clock 25", InputField::ClockTime, RefusalReason::OutOfRange},
    {"plate not a number", InputField::Plate, RefusalReason::NotFinite},
    {"plate 5 mm", InputField::Plate, RefusalReason::OutOfRange},
    {"step not a number", InputField::Step, RefusalReason::NotFinite},
    {"step 90 minutes", InputField::Step, RefusalReason::OutOfRange},
    {"azimuth step not a number", InputField::AzimuthStep, RefusalReason::NotFinite},
    {"azimuth step 100", InputField::AzimuthStep, RefusalReason::OutOfRange},
    {"altitude step not a number", InputField::AltitudeStep, RefusalReason::NotFinite},
    {"altitude step 100", InputField::AltitudeStep, RefusalReason::OutOfRange},
    {"wire height not a number", InputField::KindSize, RefusalReason::NotFinite},
    {"hole of 0 mm", InputField::KindSize, RefusalReason::OutOfRange},
    {"alpha not a number", InputField::Alpha, RefusalReason::NotFinite},
    {"alpha 90", InputField::Alpha, RefusalReason::OutOfRange},
    {"plumb length not a number", InputField::PlumbLength, RefusalReason::NotFinite},
    {"plumb length zero", InputField::PlumbLength, RefusalReason::NotPositive},
    {"plumb offsets not numbers", InputField::PlumbOffset, RefusalReason::NotFinite},
    {"plumb offset negative", InputField::PlumbOffset, RefusalReason::OutOfRange},
};

QString said(InputField field, RefusalReason reason, sheet::RefusalWording wording = sheet::RefusalWording::Sentence)
{
    return QString::fromStdString(sheet::RefusalText(gnomonics::Refuse(field, reason), wording));
}

} // namespace

class TestRefusalText : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(shell::installLanguage(shell::Language::Italian)); }
    void cleanupTestCase() { shell::installLanguage(shell::Language::Italian); }

    // Which input and why, whole: a user who reads the sentence alone knows what to mend.
    void everyRefusalHasItsOwnSentence_data()
    {
        QTest::addColumn<bool>("english");
        QTest::newRow("Italian") << false;
        QTest::newRow("English") << true;
    }
    void everyRefusalHasItsOwnSentence()
    {
        QFETCH(bool, english);
        QVERIFY(shell::installLanguage(english ? shell::Language::English : shell::Language::Italian));
        QSet<QString> seen;
        for (const Given &g : kGiven) {
            const QString sentence = said(g.field, g.reason);
            QVERIFY2(!sentence.isEmpty(), g.tag);
            QVERIFY2(sentence.front().isUpper() && sentence.endsWith(QLatin1Char('.')), qPrintable(sentence));
            QVERIFY2(!sentence.contains(QLatin1Char('%')), qPrintable(sentence));
            QVERIFY2(!seen.contains(sentence), qPrintable(QStringLiteral("%1 said twice: %2").arg(QLatin1String(g.tag), sentence)));
            seen.insert(sentence);
            if (english) {
                shell::installLanguage(shell::Language::Italian);
                const QString italian = said(g.field, g.reason);
                shell::installLanguage(shell::Language::English);
                QVERIFY2(sentence != italian, qPrintable(QStringLiteral("%1 left in Italian: %2").arg(QLatin1String(g.tag), sentence)));
            }
        }
    }

    // The notes the survey writes beside its fields, word for word as the window showed them
    // before the table was shared; a refusal with no note of its own is said in its sentence.
    void surveyNotes_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("reason");
        QTest::addColumn<QString>("italian");
        QTest::addColumn<QString>("english");
        auto row = [](const char *tag, InputField f, RefusalReason r, const char *it, const char *en) {
            QTest::newRow(tag) << int(f) << int(r) << QString::fromUtf8(it) << QString::fromUtf8(en);
        };
        row("latitude", InputField::Latitude, RefusalReason::OutOfRange, "la latitudine va da -89,99 a 89,99",
            "the latitude goes from -89.99 to 89.99");
        row("zone", InputField::TimeZone, RefusalReason::OutOfRange, "il fuso va da -12 a 14 ore", "the time zone goes from -12 to 14 hours");
        row("31 February", InputField::Date, RefusalReason::NoSuchDate, "questa data non esiste", "no such date");
        row("year", InputField::Year, RefusalReason::OutOfRange, "l'anno va dal 1600 al 2400", "the year goes from 1600 to 2400");
        row("clock", InputField::ClockTime, RefusalReason::OutOfRange, "l'ora va da 00:00:00 a 23:59:59",
            "the time goes from 00:00:00 to 23:59:59");
        row("alpha", InputField::Alpha, RefusalReason::OutOfRange, "l'angolo va da -90 a 90, esclusi",
            "the angle goes from -90 to 90, both excluded");
        row("plumb length", InputField::PlumbLength, RefusalReason::NotPositive, "L deve essere maggiore di 0", "L must be greater than 0");
        row("plumb offsets", InputField::PlumbOffset, RefusalReason::OutOfRange, "a e b sono distanze dal muro, non negative",
            "a and b are distances from the wall, not negative");
        row("no note: the sentence", InputField::Declination, RefusalReason::OutOfRange,
            "La declinazione deve essere compresa tra 0 e 180 gradi.", "The declination must be between 0 and 180 degrees.");
    }
    void surveyNotes()
    {
        QFETCH(int, field);
        QFETCH(int, reason);
        QFETCH(QString, italian);
        QFETCH(QString, english);
        const auto f = InputField(field);
        const auto r = RefusalReason(reason);
        QVERIFY(shell::installLanguage(shell::Language::Italian));
        QCOMPARE(said(f, r, sheet::RefusalWording::Note), italian);
        QVERIFY(shell::installLanguage(shell::Language::English));
        QCOMPARE(said(f, r, sheet::RefusalWording::Note), english);
        QVERIFY(shell::installLanguage(shell::Language::Italian));
    }

    // A reason given for an input the table has no row for is still said, by its reason; an
    // accepted input has no words at all.
    void fallsBackOnTheReason_data()
    {
        QTest::addColumn<int>("reason");
        QTest::addColumn<QString>("want");
        QTest::newRow("not a number") << int(RefusalReason::NotFinite) << "Valore non numerico.";
        QTest::newRow("not positive") << int(RefusalReason::NotPositive) << "Deve essere maggiore di zero.";
        QTest::newRow("out of range") << int(RefusalReason::OutOfRange) << "Valore fuori dall'intervallo ammesso.";
        QTest::newRow("accepted") << int(RefusalReason::None) << "";
    }
    void fallsBackOnTheReason()
    {
        QFETCH(int, reason);
        QFETCH(QString, want);
        QCOMPARE(said(InputField::None, RefusalReason(reason)), want);
    }
};

QTEST_MAIN(TestRefusalText)
#include "test_refusaltext.moc"
