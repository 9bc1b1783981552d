// The Sun's declination for a date, against a second, independently written solar theory
// and a worked example of the astronomical literature.

#include "testsupport.h"

#include "gnomonics/solardeclination.h"
#include "sheet/dates.h"

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

class TestSolarDeclination : public QObject {
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
    }
    void julianDays()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(double, jd);
        QCOMPARE(gnomonics::JulianDayAtNoon(year, month, day), jd);
    }

    void workedExample()
    {
        // 1992 October 13 at 0h: apparent declination -7.78507 degrees (a classic worked
        // example of solar positions computed with the full theory).
        const double tolDeg = 0.01;
        HORALO_COMPARE_NEAR(gnomonics::SolarDeclinationDeg(2448908.5), -7.78507, tolDeg);
    }

    void solsticesAndEquinoxes_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<double>("want");
        QTest::addColumn<double>("tolDeg");
        // Near an equinox the declination moves about 0.4 degree a day, so a noon value lies
        // within that of zero; at a solstice it stands still at the obliquity, 23.44 today.
        QTest::newRow("March equinox 2024") << 2024 << 3 << 20 << 0.0 << 0.4;
        QTest::newRow("September equinox 2024") << 2024 << 9 << 22 << 0.0 << 0.4;
        QTest::newRow("March equinox 2026") << 2026 << 3 << 20 << 0.0 << 0.4;
        QTest::newRow("September equinox 1950") << 1950 << 9 << 23 << 0.0 << 0.4;
        QTest::newRow("June solstice 2024") << 2024 << 6 << 20 << 23.44 << 0.01;
        QTest::newRow("June solstice 2026") << 2026 << 6 << 21 << 23.44 << 0.01;
        QTest::newRow("December solstice 2025") << 2025 << 12 << 21 << -23.44 << 0.01;
        QTest::newRow("June solstice 1900 (larger obliquity)") << 1900 << 6 << 21 << 23.45 << 0.02;
    }
    void solsticesAndEquinoxes()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(double, want);
        QFETCH(double, tolDeg);
        HORALO_COMPARE_NEAR(gnomonics::SolarDeclinationAtNoonDeg(year, month, day), want, tolDeg);
    }

    void agreesWithAnIndependentTheory()
    {
        const double tolDeg = 0.01;
        double worst = 0;
        // Every fifth day from 1900 to 2100.
        for (double jd = gnomonics::JulianDayAtNoon(1900, 1, 1); jd <= gnomonics::JulianDayAtNoon(2100, 12, 31); jd += 5) {
            const double got = gnomonics::SolarDeclinationDeg(jd);
            const double want = independentDeclinationDeg(jd);
            worst = std::max(worst, std::abs(got - want));
            HORALO_COMPARE_NEAR(got, want, tolDeg);
        }
        qInfo("largest difference between the two theories, 1900-2100: %.5f degrees", worst);
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
        const auto got = sheet::ReadDate(text.toStdString(), 2030);
        QCOMPARE(got.has_value(), valid);
        if (valid)
            QCOMPARE(*got, (sheet::CivilDate{year, month, day}));
    }
};

QTEST_APPLESS_MAIN(TestSolarDeclination)
#include "test_solardeclination.moc"
