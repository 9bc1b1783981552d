// The hour lines of a vertical wall declining East or West: the texts the sheets show, the
// engine's plane against the closed form of the textbooks, and every shown angle against the
// shadow that the polar style really casts on such a wall.

#include "testsupport.h"

#include "sunframe.h"

#include "sheet/declining.h"
#include "sheet/numbers.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

using sheet::DecliningHourAngle;
using sheet::DecliningPositionHours;
using sheet::WallSide;
using sheet::Refusal;

Q_DECLARE_METATYPE(sheet::WallSide)
Q_DECLARE_METATYPE(sheet::Refusal)

namespace {

// The engine and the closed form draw the same line to within this many degrees.
constexpr double kAgreementDeg = 1e-7;
// A text with one decimal stands within half a tenth of a degree of the true angle.
constexpr double kHalfLastDecimalDeg = 0.05;
// Double rounding in this program and in the independent computation, degrees.
constexpr double kArithmeticSlackDeg = 1e-9;
// A line closer than this to a rounding boundary (x,x5) or to the horizontal may fall on either
// side of it without fault, degrees.
constexpr double kBoundaryBandDeg = 1e-7;

const char *kDash = "--------";

std::size_t indexOfPosition(double positionHours)
{
    return static_cast<std::size_t>(std::lround((positionHours - 4.5) * 2.0));
}

QString positionLabel(double positionHours)
{
    const int hour = static_cast<int>(positionHours);
    return positionHours == hour ? QString::number(hour) : QStringLiteral("%1.30").arg(hour);
}

const char *sideName(WallSide side) { return side == WallSide::East ? "east" : "west"; }

// Direction of the hour line from first principles, in degrees in (-180, 180], measured at the
// dial centre from the horizontal half-line on the viewer's right (the afternoon side),
// counter-clockwise as the viewer facing the wall sees it: the noon line is -90 and a line
// that exists (runs below the horizontal through the centre) lies in [-180, 0].
//
// The style points from the wall along the Earth's axis towards the south celestial pole. Any
// Sun on the hour circle of hour angle H lies in one plane with the style; that plane cuts the
// wall along the hour line, and the style's shadow falls on the half of that line away from the
// Sun. The tip is projected onto the wall along the Sun's direction: for a Sun in front of the
// wall that is the shadow; a Sun behind the wall projects the tip through it onto the other
// half of the same line, which is then turned back.
double physicalLineDeg(double latitudeDeg, double declinationDeg, WallSide side, double hourAngleDeg)
{
    using namespace sunframe;
    const Vec3 normal = verticalWallNormal(declinationDeg, side == WallSide::East);
    const Vec3 tip = -1.0 * northPole(latitudeDeg);
    // Of three Suns on the hour circle, the one that looks at the wall most squarely.
    Vec3 sun;
    double facing = 0;
    for (double solarDeclinationDeg : {0.0, -23.45, 23.45}) {
        const Vec3 candidate = sunDirection(latitudeDeg, hourAngleDeg, solarDeclinationDeg);
        if (std::abs(dot(candidate, normal)) > std::abs(facing)) {
            sun = candidate;
            facing = dot(candidate, normal);
        }
    }
    Vec3 onWall = *projectAlongSun(tip, sun, normal);
    if (facing < 0)
        onWall = -1.0 * onWall;
    return degrees(std::atan2(dot(onWall, kUp), dot(onWall, rightOnWall(normal))));
}

// The angle A (degrees, 0 to 180) from the direct trigonometry of a vertical declining dial:
// the line makes the angle X with the noon line, positive on the afternoon side, where
//   X = atan2(cos phi sin H, cos d cos H -+ sin d sin phi sin H)   (- East, + West),
// phi the latitude, d the declination, H the hour angle; A = 90 - X taken into 0 to 180 (the
// same line whichever half of it the angle names).
double closedFormAngleDeg(double latitudeDeg, double declinationDeg, WallSide side, double positionHours)
{
    using sunframe::degrees;
    using sunframe::radians;
    const double phi = radians(latitudeDeg);
    const double d = radians(declinationDeg);
    const double hr = radians(15.0 * (positionHours - 12.0));
    const double turn = std::sin(d) * std::sin(phi) * std::sin(hr);
    const double across = std::cos(phi) * std::sin(hr);
    const double down = std::cos(d) * std::cos(hr) + (side == WallSide::East ? -turn : turn);
    double angle = 90.0 - degrees(std::atan2(across, down));
    if (angle < 0.0)
        angle += 180.0;
    else if (angle > 180.0)
        angle -= 180.0;
    return angle;
}

// The text a one-decimal angle A shows on the sheet, made from an independent value.
std::string textForAngle(double angleDeg)
{
    const double rounded = std::round(angleDeg * 10.0) / 10.0;
    return sheet::FormatGeneral(-rounded + 0.0);
}

bool nearRoundingBoundary(double angleDeg)
{
    const double tenths = angleDeg * 10.0;
    return std::abs(tenths - std::floor(tenths) - 0.5) * 0.1 < kBoundaryBandDeg;
}

// Declination at which the line of hour angle H lies exactly along the horizontal on a wall
// declining East at the given latitude: the downward part of the line,
// cos d cos H - sin d sin(lat) sin H, vanishes (a hand derivation from the closed form).
double horizontalLineDeclinationDeg(double latitudeDeg, double hourAngleDeg)
{
    using sunframe::degrees;
    using sunframe::radians;
    return degrees(std::atan(std::cos(radians(hourAngleDeg)) /
                             (std::sin(radians(latitudeDeg)) * std::sin(radians(hourAngleDeg)))));
}

} // namespace

class TestDeclining : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // What the sheets show. Sources: the worked examples for the default wall (latitude
    // 38,1375, declination 38) on both sides; the wall that does not decline typed as the note
    // advises (0,0000001); the 20 o'clock line of walls that decline strongly West; a wall that
    // barely declines West, whose 18 o'clock line lies along the horizontal.
    void sheetTexts_data()
    {
        QTest::addColumn<double>("latitudeDeg");
        QTest::addColumn<double>("declinationDeg");
        QTest::addColumn<WallSide>("side");
        QTest::addColumn<double>("positionHours");
        QTest::addColumn<QString>("text");

        auto addAll = [](const char *what, double lat, double dcl, WallSide side,
                         const std::vector<const char *> &texts) {
            for (std::size_t i = 0; i < texts.size(); ++i) {
                const double t = DecliningPositionHours(i);
                QTest::addRow("%s, %s line", what, qPrintable(positionLabel(t)))
                    << lat << dcl << side << t << QString::fromLatin1(texts[i]);
            }
        };
        // 4.30 and 16 on the East wall, 8 and 19.30 on the West wall exist as lines but no day
        // between the solstices lights them (the Sun is down or behind the wall): dashed, as
        // the full-scale drawing leaves them out.
        addAll("default wall east", 38.1375, 38.0, WallSide::East,
               {kDash, "-167,9", "-160,6", "-154,2", "-148,4", "-143,1", "-138,1", "-133,3",
                "-128,6", "-124",   "-119,2", "-114,3", "-109",   "-103,3", "-97",    "-90",
                "-82",    "-72,9",  "-62,7",  "-51,4",  "-39,4",  "-27,4",  "-15,9",  kDash,
                kDash,    kDash,    kDash,    kDash,    kDash,    kDash,    kDash,    kDash});
        addAll("default wall west", 38.1375, 38.0, WallSide::West,
               {kDash,    kDash,    kDash,    kDash,    kDash,    kDash,    kDash,    kDash,
                "-164,1", "-152,6", "-140,6", "-128,6", "-117,3", "-107,1", "-98",    "-90",
                "-83",    "-76,7",  "-71",    "-65,7",  "-60,8",  "-56",    "-51,4",  "-46,7",
                "-41,9",  "-36,9",  "-31,6",  "-25,8",  "-19,4",  "-12,1",  kDash,    kDash});

        const double tiny = 0.0000001;
        auto add = [](const char *what, double lat, double dcl, WallSide side, double t,
                      const char *text) {
            QTest::addRow("%s, %s line", what, qPrintable(positionLabel(t)))
                << lat << dcl << side << t << QString::fromLatin1(text);
        };
        const char *flat = "wall that does not decline, east";
        add(flat, 38.1375, tiny, WallSide::East, 4.5, kDash);
        add(flat, 38.1375, tiny, WallSide::East, 5.0, kDash);
        add(flat, 38.1375, tiny, WallSide::East, 5.5, kDash);
        add(flat, 38.1375, tiny, WallSide::East, 6.0, "-180");
        add(flat, 38.1375, tiny, WallSide::East, 6.5, "-170,5");
        add(flat, 38.1375, tiny, WallSide::East, 7.0, "-161,2");
        add(flat, 38.1375, tiny, WallSide::East, 9.0, "-128,2");
        add(flat, 38.1375, tiny, WallSide::East, 11.0, "-101,9");
        add(flat, 38.1375, tiny, WallSide::East, 13.0, "-78,1");
        add(flat, 38.1375, tiny, WallSide::East, 15.0, "-51,8");
        add(flat, 38.1375, tiny, WallSide::East, 17.0, "-18,8");
        add(flat, 38.1375, tiny, WallSide::East, 17.5, "-9,5");
        add(flat, 38.1375, tiny, WallSide::East, 18.0, kDash);
        add(flat, 38.1375, tiny, WallSide::East, 18.5, kDash);
        add(flat, 38.1375, tiny, WallSide::East, 19.0, kDash);
        add(flat, 38.1375, tiny, WallSide::East, 19.5, kDash);
        add(flat, 38.1375, tiny, WallSide::East, 20.0, kDash);

        add("strongly west lat 55 dcl 60", 55.0, 60.0, WallSide::West, 20.0, "-36,3");
        add("strongly west lat 50 dcl 45", 50.0, 45.0, WallSide::West, 20.0, "-11,7");
        add("barely west, horizontal line shows 0 not -0", 38.1375, tiny, WallSide::West, 18.0,
            "0");
        add("barely west, mirror of the east 6 o'clock line", 38.1375, tiny, WallSide::West, 6.0,
            kDash);
    }
    void sheetTexts()
    {
        QFETCH(double, latitudeDeg);
        QFETCH(double, declinationDeg);
        QFETCH(WallSide, side);
        QFETCH(double, positionHours);
        QFETCH(QString, text);
        const auto sheetResult = sheet::ComputeDecliningSheet(latitudeDeg, declinationDeg, side);
        QCOMPARE(sheetResult.refusal, Refusal::None);
        QCOMPARE(qs(sheetResult.texts[indexOfPosition(positionHours)]), text);
        // One position on its own gives the same line; the sheet dashes it also when no day
        // between the solstices lights it.
        const auto line = DecliningHourAngle(latitudeDeg, declinationDeg, side, positionHours);
        if (sheet::DecliningHourLineLit(latitudeDeg, declinationDeg, side, positionHours)
            || positionHours == 12.0) {
            QCOMPARE(qs(line.text), text);
            QCOMPARE(line.angleDeg.has_value(), text != QLatin1String(kDash));
        } else {
            QCOMPARE(text, QString::fromLatin1(kDash));
        }
    }

    void noonNeverWritten_data()
    {
        QTest::addColumn<double>("latitudeDeg");
        QTest::addColumn<double>("declinationDeg");
        QTest::addColumn<WallSide>("side");
        QTest::newRow("default wall east") << 38.1375 << 38.0 << WallSide::East;
        QTest::newRow("default wall west") << 38.1375 << 38.0 << WallSide::West;
        QTest::newRow("wall that does not decline") << 45.0 << 0.0000001 << WallSide::East;
        QTest::newRow("wall turned almost East") << 10.0 << 89.9 << WallSide::East;
        QTest::newRow("near the pole, west") << 89.9 << 30.0 << WallSide::West;
    }
    void noonNeverWritten()
    {
        QFETCH(double, latitudeDeg);
        QFETCH(double, declinationDeg);
        QFETCH(WallSide, side);
        const auto r = sheet::ComputeDecliningSheet(latitudeDeg, declinationDeg, side);
        QCOMPARE(r.texts[sheet::kDecliningNoonIndex], std::string("-90"));
        QCOMPARE(DecliningPositionHours(sheet::kDecliningNoonIndex), 12.0);
    }

    // A zero is a value never entered; a negative one is refused after every value has been
    // found present; only then are walls that face no southern sky refused.
    // Whether some day between the solstices lights an hour line, against the Sun itself:
    // sampled every 0,05 degree of declination, with the Sun's vector and the wall's normal.
    void litLinesMatchTheSky()
    {
        std::mt19937_64 engine(1402);
        std::uniform_real_distribution<double> lat(0.5, 89.5), dcl(0.0, 89.5);
        int lit = 0, dark = 0;
        for (int wall = 0; wall < 400; ++wall) {
            const double phi = lat(engine), d = dcl(engine);
            for (WallSide side : {WallSide::East, WallSide::West}) {
                const sunframe::Vec3 normal = sunframe::verticalWallNormal(d, side == WallSide::East);
                for (std::size_t i = 0; i < sheet::kDecliningPositions; ++i) {
                    const double t = DecliningPositionHours(i);
                    // Sampling cannot see a day that is lit for less than a step: keep away
                    // from the boundary by asking for a clear margin either way.
                    double best = -2;
                    for (double sun = -23.45; sun <= 23.45 + 1e-9; sun += 0.05) {
                        const auto s = sunframe::sunDirection(phi, 15.0 * (t - 12.0), sun);
                        best = std::max(best, std::min(s.z, sunframe::dot(s, normal)));
                    }
                    if (std::abs(best) < 1e-3)
                        continue;
                    const bool want = best > 0;
                    QCOMPARE(sheet::DecliningHourLineLit(phi, d, side, t), want);
                    (want ? lit : dark)++;
                }
            }
        }
        qInfo("hour lines: %d lit, %d never lit", lit, dark);
        QVERIFY(lit > 0 && dark > 0);
    }

    void refusals_data()
    {
        QTest::addColumn<double>("latitudeDeg");
        QTest::addColumn<double>("declinationDeg");
        QTest::addColumn<Refusal>("refusal");
        QTest::newRow("zero declination: a wall facing South") << 38.1375 << 0.0 << Refusal::None;
        QTest::newRow("zero latitude") << 0.0 << 38.0 << Refusal::Missing;
        QTest::newRow("zero latitude and declination") << 0.0 << 0.0 << Refusal::Missing;
        QTest::newRow("zero latitude before negative declination") << 0.0 << -5.0 << Refusal::Missing;
        QTest::newRow("negative latitude, zero declination") << -5.0 << 0.0 << Refusal::Negative;
        QTest::newRow("negative declination") << 38.1375 << -5.0 << Refusal::Negative;
        QTest::newRow("negative latitude") << -38.0 << 38.0 << Refusal::Negative;
        QTest::newRow("negative before out of range") << -5.0 << 120.0 << Refusal::Negative;
        QTest::newRow("zero declination, latitude out of range") << 120.0 << 0.0 << Refusal::OutOfRange;
        QTest::newRow("latitude 90") << 90.0 << 38.0 << Refusal::OutOfRange;
        QTest::newRow("latitude 120") << 120.0 << 38.0 << Refusal::OutOfRange;
        QTest::newRow("declination 90") << 38.1375 << 90.0 << Refusal::OutOfRange;
        QTest::newRow("declination 120") << 38.1375 << 120.0 << Refusal::OutOfRange;
        QTest::newRow("latitude not a number") << std::nan("") << 38.0 << Refusal::OutOfRange;
        QTest::newRow("declination infinite") << 38.0 << HUGE_VAL << Refusal::OutOfRange;
        QTest::newRow("just inside the range") << 89.999 << 89.999 << Refusal::None;
    }
    void refusals()
    {
        QFETCH(double, latitudeDeg);
        QFETCH(double, declinationDeg);
        QFETCH(Refusal, refusal);
        for (WallSide side : {WallSide::East, WallSide::West}) {
            const auto r = sheet::ComputeDecliningSheet(latitudeDeg, declinationDeg, side);
            QCOMPARE(r.refusal, refusal);
            for (const std::string &text : r.texts)
                QCOMPARE(text.empty(), refusal != Refusal::None);
        }
    }

    // The engine's plane and the closed form over a grid strictly inside 0 to 90, reaching
    // towards both ends (walls that barely decline, places by the equator and the pole), every
    // position, both sides.
    void engineAgreesWithClosedForm()
    {
        std::vector<double> values{1e-7, 1e-5, 1e-3, 0.01, 0.05, 0.1, 0.5};
        for (int v = 1; v <= 89; ++v)
            values.push_back(v);
        for (double v : {89.5, 89.9, 89.99, 89.999})
            values.push_back(v);

        double worstDeg = 0;
        for (double lat : values) {
            for (double dcl : values) {
                for (WallSide side : {WallSide::East, WallSide::West}) {
                    for (std::size_t i = 0; i < sheet::kDecliningPositions; ++i) {
                        const double t = DecliningPositionHours(i);
                        const auto line = DecliningHourAngle(lat, dcl, side, t);
                        const double closed = closedFormAngleDeg(lat, dcl, side, t);
                        const bool closedDashed = (t < 12 && closed < 90) || (t > 12 && closed > 90);
                        if (line.angleDeg.has_value() == !closedDashed) {
                            if (!line.angleDeg)
                                continue;
                            // Both name the same line; near the horizontal one may say 180
                            // and the other 0.
                            const double err = std::abs(std::remainder(*line.angleDeg - closed, 180.0));
                            worstDeg = std::max(worstDeg, err);
                            if (err > kAgreementDeg)
                                QFAIL(qPrintable(QStringLiteral("lat %1 dcl %2 %3 %4: %5 against %6")
                                                     .arg(lat, 0, 'g', 17).arg(dcl, 0, 'g', 17)
                                                     .arg(sideName(side)).arg(positionLabel(t))
                                                     .arg(*line.angleDeg, 0, 'g', 17)
                                                     .arg(closed, 0, 'g', 17)));
                        } else {
                            // Dashed by one and not the other: only a line within a hair of the
                            // horizontal may do that.
                            const double fromHorizontal = std::min(closed, 180.0 - closed);
                            QCOMPARE_LE(fromHorizontal, kAgreementDeg);
                        }
                    }
                }
            }
        }
        qInfo("engine against closed form: worst %.3g degree", worstDeg);
    }

    // A wall turned a ten-millionth of a degree draws the South wall's lines: the same texts
    // from 6.30 to 17.30 (at 6 and 18 the South wall sees the Sun only edge-on, so that a hair's
    // turn lights one of those lines and not the other).
    void wallThatBarelyDeclinesIsTheSouthWall_data()
    {
        QTest::addColumn<double>("latitudeDeg");
        QTest::addColumn<WallSide>("side");
        QTest::newRow("latitude 38,1375, east") << 38.1375 << WallSide::East;
        QTest::newRow("latitude 5, west") << 5.0 << WallSide::West;
        QTest::newRow("latitude 89,9, east") << 89.9 << WallSide::East;
    }
    void wallThatBarelyDeclinesIsTheSouthWall()
    {
        QFETCH(double, latitudeDeg);
        QFETCH(WallSide, side);
        const auto south = sheet::ComputeDecliningSheet(latitudeDeg, 0.0, side);
        const auto turned = sheet::ComputeDecliningSheet(latitudeDeg, 0.0000001, side);
        for (std::size_t i = 4; i <= 26; ++i)
            QCOMPARE(turned.texts[i], south.texts[i]);
    }

    // The two sheets are mirror images: West at T is -180 minus East at 24 - T.
    void westMirrorsEast()
    {
        std::mt19937 rng(20020401);
        std::uniform_real_distribution<double> angle(0.01, 89.99);
        double worstDeg = 0;
        for (int k = 0; k < 2000; ++k) {
            const double lat = angle(rng), dcl = angle(rng);
            for (std::size_t i = 0; i < sheet::kDecliningPositions; ++i) {
                const double t = DecliningPositionHours(i);
                const double west = closedFormAngleDeg(lat, dcl, WallSide::West, t);
                const double east = closedFormAngleDeg(lat, dcl, WallSide::East, 24 - t);
                worstDeg = std::max(worstDeg, std::abs(std::remainder(west - (180.0 - east), 180.0)));
                const auto w = DecliningHourAngle(lat, dcl, WallSide::West, t);
                const auto e = DecliningHourAngle(lat, dcl, WallSide::East, 24 - t);
                if (w.angleDeg && e.angleDeg)
                    HORALO_COMPARE_NEAR(*w.angleDeg, 180.0 - *e.angleDeg, kAgreementDeg);
                else if (std::min(east, 180.0 - east) > kBoundaryBandDeg)
                    QCOMPARE(w.angleDeg.has_value(), e.angleDeg.has_value());
            }
        }
        qInfo("west against mirrored east: worst %.3g degree", worstDeg);
        QCOMPARE_LE(worstDeg, kAgreementDeg);
    }

    // Every shown text against the style's shadow on a wall, over many walls.
    void shownAnglesMatchTheShadow_data()
    {
        QTest::addColumn<WallSide>("side");
        QTest::addColumn<double>("latitudeFromDeg");
        QTest::addColumn<double>("latitudeToDeg");
        QTest::addColumn<double>("declinationFromDeg");
        QTest::addColumn<double>("declinationToDeg");
        QTest::addColumn<bool>("logarithmicDeclination");
        QTest::addColumn<int>("walls");
        for (WallSide side : {WallSide::East, WallSide::West}) {
            const char *s = sideName(side);
            QTest::addRow("%s, any wall", s) << side << 0.0 << 90.0 << 0.0 << 90.0 << false << 10000;
            QTest::addRow("%s, walls that barely decline", s)
                << side << 0.0 << 90.0 << 1e-8 << 1.0 << true << 3000;
            QTest::addRow("%s, walls turned almost East or West", s)
                << side << 0.0 << 90.0 << 89.0 << 90.0 << false << 3000;
            QTest::addRow("%s, near the equator", s) << side << 0.0 << 0.5 << 0.0 << 90.0 << false << 3000;
            QTest::addRow("%s, near the pole", s) << side << 89.0 << 90.0 << 0.0 << 90.0 << false << 3000;
        }
    }
    void shownAnglesMatchTheShadow()
    {
        QFETCH(WallSide, side);
        QFETCH(double, latitudeFromDeg);
        QFETCH(double, latitudeToDeg);
        QFETCH(double, declinationFromDeg);
        QFETCH(double, declinationToDeg);
        QFETCH(bool, logarithmicDeclination);
        QFETCH(int, walls);

        std::mt19937 rng(1375 + static_cast<unsigned>(side));
        std::uniform_real_distribution<double> latDist(latitudeFromDeg, latitudeToDeg);
        std::uniform_real_distribution<double> dclDist(
            logarithmicDeclination ? std::log(declinationFromDeg) : declinationFromDeg,
            logarithmicDeclination ? std::log(declinationToDeg) : declinationToDeg);

        double worstTextDeg = 0, worstAngleDeg = 0;
        int shown = 0, dashed = 0, onBoundary = 0;
        for (int k = 0; k < walls; ++k) {
            const double lat = latDist(rng);
            const double drawn = dclDist(rng);
            const double dcl = logarithmicDeclination ? std::exp(drawn) : drawn;
            if (lat <= 0 || lat >= 90 || dcl <= 0 || dcl >= 90)
                continue;
            const auto sheetResult = sheet::ComputeDecliningSheet(lat, dcl, side);
            QCOMPARE(sheetResult.refusal, Refusal::None);
            for (std::size_t i = 0; i < sheet::kDecliningPositions; ++i) {
                const double t = DecliningPositionHours(i);
                const double physical = physicalLineDeg(lat, dcl, side, 15.0 * (t - 12.0));
                const std::string &text = sheetResult.texts[i];
                const QString where = QStringLiteral("lat %1 dcl %2 %3 %4: shows %5, shadow at %6")
                                          .arg(lat, 0, 'g', 17).arg(dcl, 0, 'g', 17)
                                          .arg(sideName(side)).arg(positionLabel(t))
                                          .arg(qs(text)).arg(physical, 0, 'g', 17);
                const bool nearHorizontal =
                    std::abs(physical) < kBoundaryBandDeg || 180.0 - std::abs(physical) < kBoundaryBandDeg;
                if (nearHorizontal) {
                    ++onBoundary;
                    continue;
                }
                // Above the horizontal, or never lit (checked against the sky in
                // litLinesMatchTheSky): no line to trace.
                if (physical > 0 || !sheet::DecliningHourLineLit(lat, dcl, side, t)) {
                    QVERIFY2(text == kDash, qPrintable(where));
                    ++dashed;
                    continue;
                }
                const auto value = sheet::ReadNumber(text);
                QVERIFY2(value.has_value(), qPrintable(where));
                const double textErr = std::abs(*value - physical);
                worstTextDeg = std::max(worstTextDeg, textErr);
                QVERIFY2(textErr <= kHalfLastDecimalDeg + kArithmeticSlackDeg, qPrintable(where));
                if (nearRoundingBoundary(-physical))
                    ++onBoundary;
                else
                    QVERIFY2(text == textForAngle(-physical), qPrintable(where));
                const auto line = DecliningHourAngle(lat, dcl, side, t);
                QVERIFY2(line.angleDeg.has_value(), qPrintable(where));
                worstAngleDeg = std::max(worstAngleDeg, std::abs(*line.angleDeg + physical));
                ++shown;
            }
        }
        qInfo("%d lines shown, %d dashed, %d on a boundary; worst shown text %.4f degree from "
              "the shadow, worst angle A %.3g degree",
              shown, dashed, onBoundary, worstTextDeg, worstAngleDeg);
        QCOMPARE_LE(worstAngleDeg, kAgreementDeg);
        QVERIFY(shown > 0);
    }

    // Inputs are placed a hair on either side of a rounding boundary of the shown decimal, by
    // bisection of the declination on the closed form.
    void roundingBoundaries_data()
    {
        QTest::addColumn<WallSide>("side");
        QTest::addColumn<double>("positionHours");
        QTest::addColumn<double>("boundaryDeg");
        QTest::addColumn<QString>("belowText");
        QTest::addColumn<QString>("aboveText");
        // At the default wall (declination 38) these lines show -124 (A 123,9515, just above a
        // boundary), -56 and -27,4; the boundaries are reached between declinations 36 and 46.
        QTest::newRow("east 9 o'clock, A 124,05") << WallSide::East << 9.0 << 124.05 << "-124" << "-124,1";
        QTest::newRow("east 9 o'clock, A 123,95") << WallSide::East << 9.0 << 123.95 << "-123,9" << "-124";
        QTest::newRow("west 15 o'clock, A 55,95") << WallSide::West << 15.0 << 55.95 << "-55,9" << "-56";
        QTest::newRow("east 15 o'clock, A 27,45") << WallSide::East << 15.0 << 27.45 << "-27,4" << "-27,5";
    }
    void roundingBoundaries()
    {
        QFETCH(WallSide, side);
        QFETCH(double, positionHours);
        QFETCH(double, boundaryDeg);
        QFETCH(QString, belowText);
        QFETCH(QString, aboveText);
        const double lat = 38.1375;
        for (const double offsetDeg : {-1e-6, 1e-6}) {
            const double target = boundaryDeg + offsetDeg;
            double lo = 36, hi = 46;
            const double f = closedFormAngleDeg(lat, lo, side, positionHours) - target;
            QVERIFY(f * (closedFormAngleDeg(lat, hi, side, positionHours) - target) < 0);
            for (int k = 0; k < 200; ++k) {
                const double mid = 0.5 * (lo + hi);
                const double g = closedFormAngleDeg(lat, mid, side, positionHours) - target;
                ((g < 0) == (f < 0) ? lo : hi) = mid;
            }
            const auto line = DecliningHourAngle(lat, lo, side, positionHours);
            QVERIFY(line.angleDeg.has_value());
            HORALO_COMPARE_NEAR(*line.angleDeg, target, kAgreementDeg);
            QCOMPARE(qs(line.text), offsetDeg < 0 ? belowText : aboveText);
        }
    }

    // A hair on either side of the declination at which a line lies along the horizontal: on
    // one side it shows (as 0 or -180, never -0), on the other it is dashed.
    void dashBoundaries_data()
    {
        QTest::addColumn<WallSide>("side");
        QTest::addColumn<double>("positionHours");
        QTest::addColumn<double>("eastHourAngleDeg");
        QTest::addColumn<QString>("lessDeclinedText");
        QTest::addColumn<QString>("moreDeclinedText");
        QTest::newRow("east 16.30 line turns upwards") << WallSide::East << 16.5 << 67.5 << "0" << kDash;
        QTest::newRow("east 5 o'clock line comes down") << WallSide::East << 5.0 << -105.0 << kDash << "-180";
        QTest::newRow("west 7.30 line, mirror of east 16.30") << WallSide::West << 7.5 << 67.5 << "-180" << kDash;
        QTest::newRow("west 19 o'clock line, mirror of east 5") << WallSide::West << 19.0 << -105.0 << kDash << "0";
    }
    void dashBoundaries()
    {
        QFETCH(WallSide, side);
        QFETCH(double, positionHours);
        QFETCH(double, eastHourAngleDeg);
        QFETCH(QString, lessDeclinedText);
        QFETCH(QString, moreDeclinedText);
        const double lat = 38.1375;
        const double critical = horizontalLineDeclinationDeg(lat, eastHourAngleDeg);
        QVERIFY(critical > 0 && critical < 90);
        const double hairDeg = 1e-6;
        QCOMPARE(qs(DecliningHourAngle(lat, critical - hairDeg, side, positionHours).text), lessDeclinedText);
        QCOMPARE(qs(DecliningHourAngle(lat, critical + hairDeg, side, positionHours).text), moreDeclinedText);
    }

    // Whatever the inputs, even those the sheet refuses, a line's text is a number or the dash.
    void neverNotANumberNorMinusZero()
    {
        const double extremes[] = {1e-300, 1e-7, 0.5, 45, 89.9999999, 90, 90.0000001, 120, 180,
                                   270, 1e6, -1e-7, -45, -90, std::nan(""), HUGE_VAL};
        for (double lat : extremes) {
            for (double dcl : extremes) {
                for (WallSide side : {WallSide::East, WallSide::West}) {
                    for (std::size_t i = 0; i < sheet::kDecliningPositions; ++i) {
                        const auto line = DecliningHourAngle(lat, dcl, side, DecliningPositionHours(i));
                        const QString text = qs(line.text);
                        const QString where = QStringLiteral("lat %1 dcl %2 %3: %4")
                                                  .arg(lat).arg(dcl).arg(sideName(side)).arg(text);
                        QVERIFY2(text == QLatin1String(kDash) || sheet::ReadNumber(line.text),
                                 qPrintable(where));
                        QVERIFY2(text != QLatin1String("-0"), qPrintable(where));
                        if (line.angleDeg)
                            QVERIFY2(*line.angleDeg >= 0 && *line.angleDeg <= 180, qPrintable(where));
                    }
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestDeclining)
#include "test_declining.moc"
