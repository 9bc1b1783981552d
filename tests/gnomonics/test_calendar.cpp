// The one calendar of the program (reading dates, Julian days, the range of years) and the
// Sun's declination of a day as every window takes it from the engine, against a second,
// independently written solar theory.

#include "testsupport.h"

#include "gnomonics/datelines.h"
#include "gnomonics/sun.h"
#include "gnomonics/calendar.h"

#include <cmath>

namespace {

// A second solar theory written apart from the program's: the mean longitude and anomaly with
// their quadratic terms in Julian centuries, the eccentricity of the orbit, a three-term
// equation of the centre, nutation and aberration in longitude from the Moon's node, and the
// obliquity in arc seconds with its nutation term. It is good to about 0.01 degree too, but
// shares no line with the code under test.
double independentDeclinationDeg(double jd)
{
    const double r = M_PI / 180;
    const double t = (jd - 2451545.0) / 36525.0;
    const double l0 = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
    const double m = (357.52911 + 35999.05029 * t - 0.0001537 * t * t) * r;
    const double c = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(m)
        + (0.019993 - 0.000101 * t) * std::sin(2 * m) + 0.000289 * std::sin(3 * m);
    const double omega = (125.04 - 1934.136 * t) * r;
    const double lambda = (l0 + c - 0.00569 - 0.00478 * std::sin(omega)) * r;
    const double eps0 = 23.0 + (26.0 + (21.448 - 46.8150 * t - 0.00059 * t * t + 0.001813 * t * t * t) / 60.0) / 60.0;
    const double eps = (eps0 + 0.00256 * std::cos(omega)) * r;
    return std::asin(std::sin(eps) * std::sin(lambda)) / r;
}

} // namespace

class TestCalendar : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void julianDays_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<double>("jd");
        // Epoch J2000.0 is 2000 January 1 at 12:00; the others follow from day counts.
        QTest::newRow("J2000.0") << 2000 << 1 << 1 << 2451545.0;
        QTest::newRow("leap day 2000") << 2000 << 2 << 29 << 2451604.0;
        QTest::newRow("1900 is not a leap year") << 1900 << 3 << 1 << 2415080.0;
        QTest::newRow("1992 October 13") << 1992 << 10 << 13 << 2448909.0;
        QTest::newRow("2100 December 31") << 2100 << 12 << 31 << 2488434.0;
        // Day counts back and forth from J2000 through the Gregorian leap rule.
        QTest::newRow("1600 January 1, first year") << 1600 << 1 << 1 << 2305448.0;
        QTest::newRow("1700 June 1") << 1700 << 6 << 1 << 2342124.0;
        QTest::newRow("2400 December 31, last year") << 2400 << 12 << 31 << 2598007.0;
    }
    void julianDays()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(double, jd);
        QCOMPARE(gnomonics::JulianDay({year, month, day}, 12.0), jd);
        QCOMPARE(gnomonics::CalendarDate(jd), (gnomonics::CivilDate{year, month, day}));
    }

    void solsticesAndEquinoxes_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<double>("want");
        QTest::addColumn<double>("tolDeg");
        // Near an equinox the declination moves about 0.4 degree a day, so a noon value lies
        // within that of zero; at a solstice it stands still at the obliquity, 23.44 today,
        // larger in the past (23.45 in 1900, 23.48 in 1600) and smaller later (23.39 in 2400).
        QTest::newRow("March equinox 2024") << 2024 << 3 << 20 << 0.0 << 0.4;
        QTest::newRow("September equinox 1950") << 1950 << 9 << 23 << 0.0 << 0.4;
        QTest::newRow("June solstice 2026") << 2026 << 6 << 21 << 23.44 << 0.01;
        QTest::newRow("December solstice 2025") << 2025 << 12 << 21 << -23.44 << 0.01;
        QTest::newRow("June solstice 1900") << 1900 << 6 << 21 << 23.45 << 0.02;
        QTest::newRow("June solstice 1600") << 1600 << 6 << 21 << 23.49 << 0.02;
        QTest::newRow("December solstice 2400") << 2400 << 12 << 21 << -23.39 << 0.02;
    }
    void solsticesAndEquinoxes()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(double, want);
        QFETCH(double, tolDeg);
        HORALO_COMPARE_NEAR(gnomonics::NoonDeclinationDeg({year, month, day}, 0.0), want, tolDeg);
    }

    void agreesWithAnIndependentTheoryOverTheWholeRange()
    {
        // The independent theory is itself good to about 0.01 degree; over eight centuries its
        // quadratic terms keep that.
        const double tolDeg = 0.01;
        double worst = 0;
        // Every seventh day at 12:00 UT over the years every date field accepts.
        for (double jd = gnomonics::JulianDay({gnomonics::kFirstYear, 1, 1}, 12.0);
             jd <= gnomonics::JulianDay({gnomonics::kLastYear, 12, 31}, 12.0); jd += 7) {
            const double got = gnomonics::SunAt(jd).declinationDeg;
            const double want = independentDeclinationDeg(jd);
            worst = std::max(worst, std::abs(got - want));
            HORALO_COMPARE_NEAR(got, want, tolDeg);
        }
        qInfo("largest difference between the two theories, %d-%d: %.5f degrees", gnomonics::kFirstYear,
              gnomonics::kLastYear, worst);
    }

    void yearRange_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("inRange");
        QTest::newRow("1599") << 1599 << false;
        QTest::newRow("1600") << 1600 << true;
        QTest::newRow("1700") << 1700 << true;
        QTest::newRow("2400") << 2400 << true;
        QTest::newRow("2401") << 2401 << false;
        QTest::newRow("500") << 500 << false;
    }
    void yearRange()
    {
        QFETCH(int, year);
        QFETCH(bool, inRange);
        QCOMPARE(gnomonics::InYearRange(year), inRange);
        QCOMPARE(gnomonics::IsValidDate({year, 6, 1}), inRange);
    }

    void readsDates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::newRow("full date") << "15/08/2026" << true << 2026 << 8 << 15;
        QTest::newRow("one-digit day and month") << "1/5/1999" << true << 1999 << 5 << 1;
        QTest::newRow("blanks around") << " 21/06/2024 " << true << 2024 << 6 << 21;
        QTest::newRow("tabs around") << "\t21/06/2024\t" << true << 2024 << 6 << 21;
        QTest::newRow("no year means this year") << "25/12" << true << 2030 << 12 << 25;
        QTest::newRow("empty year means this year") << "25/12/" << true << 2030 << 12 << 25;
        QTest::newRow("leap day of a leap year") << "29/02/2024" << true << 2024 << 2 << 29;
        QTest::newRow("no leap day in 2026") << "29/02/2026" << false << 0 << 0 << 0;
        QTest::newRow("no leap day in 1900") << "29/02/1900" << false << 0 << 0 << 0;
        QTest::newRow("31 February") << "31/02/2026" << false << 0 << 0 << 0;
        QTest::newRow("31 April") << "31/04/2026" << false << 0 << 0 << 0;
        QTest::newRow("month 13") << "01/13/2026" << false << 0 << 0 << 0;
        QTest::newRow("day 0") << "00/05/2026" << false << 0 << 0 << 0;
        QTest::newRow("letters") << "abc" << false << 0 << 0 << 0;
        QTest::newRow("empty") << "" << false << 0 << 0 << 0;
        QTest::newRow("dots instead of slashes") << "15.08.2026" << false << 0 << 0 << 0;
        QTest::newRow("too many parts") << "1/2/3/4" << false << 0 << 0 << 0;
        QTest::newRow("year zero") << "01/01/0000" << false << 0 << 0 << 0;
        QTest::newRow("two-digit year is ambiguous") << "21/06/26" << false << 0 << 0 << 0;
    }
    void readsDates()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        const auto got = gnomonics::ReadDate(text.toStdString(), 2030);
        QCOMPARE(got.has_value(), valid);
        if (valid)
            QCOMPARE(*got, (gnomonics::CivilDate{year, month, day}));
    }

    // The survey's form tells a date that does not exist from one badly written: the fields
    // come back whatever the day, and the year must be there.
    void readsDateForms_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("read");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::newRow("full date") << "15/08/2026" << true << 2026 << 8 << 15;
        QTest::newRow("31 February is read, to be refused as no such day") << "31/02/2026" << true << 2026 << 2 << 31;
        QTest::newRow("month 13 is read too") << " 01/13/2026\t" << true << 2026 << 13 << 1;
        QTest::newRow("the year may not be left out") << "25/12" << false << 0 << 0 << 0;
        QTest::newRow("nor left empty") << "25/12/" << false << 0 << 0 << 0;
        QTest::newRow("two-digit year") << "21/06/26" << false << 0 << 0 << 0;
        QTest::newRow("letters") << "1a/06/2026" << false << 0 << 0 << 0;
    }
    void readsDateForms()
    {
        QFETCH(QString, text);
        QFETCH(bool, read);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        const auto got = gnomonics::ReadDateForm(text.toStdString());
        QCOMPARE(got.has_value(), read);
        if (read)
            QCOMPARE(*got, (gnomonics::CivilDate{year, month, day}));
    }
};

QTEST_APPLESS_MAIN(TestCalendar)
#include "test_calendar.moc"
