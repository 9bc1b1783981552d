// The number text rules every sheet relies on: what a typed text reads as, and how a value
// is written back with the decimal comma.

#include "testsupport.h"

#include "sheet/checks.h"
#include "gnomonics/angles.h"
#include "sheet/numbers.h"
#include "sheet/report.h"

using sheet::FormatFixed;
using sheet::FormatGeneral;
using sheet::Mask;
using sheet::ReadNumber;

Q_DECLARE_METATYPE(sheet::Mask)

class TestNumbers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("decimal comma") << "38,5" << 38.5;
        QTest::newRow("whole default latitude") << "38" << 38.0;
        QTest::newRow("dot read as decimal point, not thousands") << "38.5" << 38.5;
        QTest::newRow("blanks around") << "  38,1375 " << 38.1375;
        QTest::newRow("negative") << "-5" << -5.0;
        QTest::newRow("leading plus") << "+12,25" << 12.25;
        QTest::newRow("no digit before comma") << ",5" << 0.5;
        QTest::newRow("minus zero is zero") << "-0" << 0.0;
        QTest::newRow("tiny declination of the note") << "0,0000001" << 1e-7;
    }
    void readsNumbers()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        const auto got = ReadNumber(text.toStdString());
        QVERIFY2(got.has_value(), qPrintable(text));
        QCOMPARE(*got, value);
        QVERIFY(!std::signbit(*got) || *got != 0.0);
    }

    void refusesNonNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks only") << "   ";
        QTest::newRow("letters") << "abc";
        QTest::newRow("trailing letters") << "38abc";
        QTest::newRow("two commas") << "38,5,1";
        QTest::newRow("thousands and decimal") << "1.234,5";
        QTest::newRow("sign alone") << "-";
        QTest::newRow("separator alone") << ",";
        QTest::newRow("exponent") << "1e5";
        QTest::newRow("infinity") << "inf";
        QTest::newRow("not a number") << "nan";
        QTest::newRow("inner blank") << "38 5";
        QTest::newRow("double sign") << "--5";
    }
    void refusesNonNumbers()
    {
        QFETCH(QString, text);
        QVERIFY2(!ReadNumber(text.toStdString()).has_value(), qPrintable(text));
    }

    void formatsFixed_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<sheet::Mask>("mask");
        QTest::addColumn<QString>("text");
        QTest::newRow("9.3685 two decimals") << 9.3685 << Mask::TwoDecimals << "9,37";
        QTest::newRow("9.3685 one decimal") << 9.3685 << Mask::OneDecimal << "9,4";
        QTest::newRow("9.3685 three decimals") << 9.3685 << Mask::ThreeDecimals << "9,369";
        QTest::newRow("one half") << 0.5 << Mask::TwoDecimals << "0,50";
        QTest::newRow("negative rounds away from zero") << -12.3456 << Mask::TwoDecimals << "-12,35";
        QTest::newRow("exact half rounds up") << 0.125 << Mask::TwoDecimals << "0,13";
        QTest::newRow("exact negative half rounds down") << -0.125 << Mask::TwoDecimals << "-0,13";
        QTest::newRow("typed 2,675 rounds up") << 2.675 << Mask::TwoDecimals << "2,68";
        QTest::newRow("just below a half") << 2.6749 << Mask::TwoDecimals << "2,67";
        QTest::newRow("just above a half") << 2.6751 << Mask::TwoDecimals << "2,68";
        QTest::newRow("carry through nines") << 99.996 << Mask::TwoDecimals << "100,00";
        QTest::newRow("carry into new digit") << 9.95 << Mask::OneDecimal << "10,0";
        QTest::newRow("zero") << 0.0 << Mask::TwoDecimals << "0,00";
        QTest::newRow("negative zero has no sign") << -0.0 << Mask::TwoDecimals << "0,00";
        QTest::newRow("tiny negative has no sign") << -0.004 << Mask::TwoDecimals << "0,00";
        QTest::newRow("tiny negative one decimal") << -0.04 << Mask::OneDecimal << "0,0";
        QTest::newRow("large") << 20208.46 << Mask::OneDecimal << "20208,5";
        QTest::newRow("small positive") << 0.0004 << Mask::ThreeDecimals << "0,000";
        QTest::newRow("substyle time angle") << 128.3144 << Mask::ThreeDecimals << "128,314";
        QTest::newRow("near 90 from the 6 o'clock tangent") << 89.99999999 << Mask::TwoDecimals << "90,00";
    }
    void formatsFixed()
    {
        QFETCH(double, value);
        QFETCH(sheet::Mask, mask);
        QFETCH(QString, text);
        QCOMPARE(qs(FormatFixed(value, mask)), text);
    }

    // Every number the program writes, whatever its count of decimals, rounds the same way as
    // the sheets: half away from zero (printf would give 142,2 for the binary 142.25).
    void formatsAnyDecimals_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("nodus 142,25 to one decimal") << 142.25 << 1 << "142,3";
        QTest::newRow("nodus -142,25 to one decimal") << -142.25 << 1 << "-142,3";
        QTest::newRow("plate 2,5 to whole mm") << 2.5 << 0 << "3";
        QTest::newRow("plate 0,5 to whole mm") << 0.5 << 0 << "1";
        QTest::newRow("just below a half, whole mm") << 0.4999 << 0 << "0";
        QTest::newRow("0,125 to two decimals") << 0.125 << 2 << "0,13";
        QTest::newRow("hour 13,0000005 to six decimals") << 13.0000005 << 6 << "13,000001";
        QTest::newRow("declination 23,43925 to four decimals") << 23.43925 << 4 << "23,4393";
        QTest::newRow("tiny negative to six decimals") << -1e-9 << 6 << "0,000000";
        QTest::newRow("carry into a new digit") << 999.95 << 1 << "1000,0";
    }
    void formatsAnyDecimals()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(qs(sheet::FormatDecimals(value, decimals, ',')), text);
        QCOMPARE(qs(sheet::FormatDecimals(value, decimals, '.')), QString(text).replace(QLatin1Char(','), QLatin1Char('.')));
    }

    void formatsGeneral_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("sum drops trailing zero") << 90 + 9.4 << "99,4";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("whole number") << 105.0 << "105";
        QTest::newRow("half") << 97.5 << "97,5";
        QTest::newRow("negated sign declination") << -20.16 << "-20,16";
        QTest::newRow("fifteen digits at most") << 1.0 / 3.0 << "0,333333333333333";
        QTest::newRow("one decimal angle") << -176.1 << "-176,1";
        QTest::newRow("tiny value without exponent") << 0.00001 << "0,00001";
        QTest::newRow("tiny negative value") << -1e-7 << "-0,0000001";
        QTest::newRow("large whole number without exponent") << 1e15 << "1000000000000000";
        QTest::newRow("large value keeps fifteen digits") << 123456789012345678.0 << "123456789012346000";
        QTest::newRow("rounds at the fifteenth digit") << 0.1 + 0.2 << "0,3";
    }
    void formatsGeneral()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(qs(FormatGeneral(value)), text);
    }

    // In English the same numbers are written with the decimal point; reading takes either.
    void englishWritesTheDecimalPoint_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("mask"); // -1: general form
        QTest::addColumn<QString>("italian");
        QTest::addColumn<QString>("english");
        QTest::newRow("two decimals") << 9.3685 << int(sheet::Mask::TwoDecimals) << "9,37" << "9.37";
        QTest::newRow("one decimal, negative") << -176.06 << int(sheet::Mask::OneDecimal) << "-176,1" << "-176.1";
        QTest::newRow("three decimals") << 8.5543 << int(sheet::Mask::ThreeDecimals) << "8,554" << "8.554";
        QTest::newRow("general form") << 99.4 << -1 << "99,4" << "99.4";
        QTest::newRow("general form below one") << 0.00001 << -1 << "0,00001" << "0.00001";
        QTest::newRow("general form, whole") << 20.0 << -1 << "20" << "20";
        QTest::newRow("negative zero never signed") << -0.0001 << int(sheet::Mask::TwoDecimals) << "0,00" << "0.00";
    }
    void englishWritesTheDecimalPoint()
    {
        QFETCH(double, value);
        QFETCH(int, mask);
        QFETCH(QString, italian);
        QFETCH(QString, english);
        const auto write = [&] {
            return QString::fromStdString(mask < 0 ? sheet::FormatGeneral(value)
                                                   : sheet::FormatFixed(value, sheet::Mask(mask)));
        };
        QCOMPARE(sheet::decimalSeparator(), ',');
        QCOMPARE(write(), italian);
        sheet::setDecimalSeparator('.');
        const QString shown = write();
        const auto readBack = sheet::ReadNumber(shown.toStdString());
        sheet::setDecimalSeparator(',');
        QCOMPARE(shown, english);
        QVERIFY(readBack.has_value());
        QCOMPARE(*readBack, *sheet::ReadNumber(italian.toStdString()));
    }

    void nonFiniteNeverShows()
    {
        for (double v : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::quiet_NaN()}) {
            QCOMPARE(qs(FormatFixed(v, Mask::TwoDecimals)), QString());
            QCOMPARE(qs(FormatGeneral(v)), QString());
        }
    }

    void shownValueIsTheRoundedText()
    {
        QCOMPARE(sheet::shownValue(128.31449, Mask::ThreeDecimals), 128.314);
        QCOMPARE(sheet::shownValue(66.4849, Mask::TwoDecimals), 66.48);
    }

    void checks()
    {
        QVERIFY(sheet::CheckPresent({38.0, 10.0}));
        QVERIFY(!sheet::CheckPresent({38.0, 0.0}));
        QVERIFY(!sheet::CheckPresent({-0.0}));
        QVERIFY(sheet::CheckPositive({0.0, 3.0}));
        QVERIFY(!sheet::CheckPositive({38.0, -5.0}));
    }

    // The sheets' tables were always computed with pi as 4 atan(1): the engine's factors are
    // those very doubles, so no last digit moves.
    void angleFactors()
    {
        const double pi = 4.0 * std::atan(1.0);
        QCOMPARE(gnomonics::angles::kRad, pi / 180.0);
        QCOMPARE(gnomonics::angles::kDeg, 180.0 / pi);
    }

    void projectLineUnderscores()
    {
        QCOMPARE(qs(sheet::projectLine(12)),
                 QStringLiteral("Progetto:_______________________________  Data____/_____/_____ Note:____________"));
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
