// The full-scale dial drawings as data: every whole-hour point of every curve held against the
// sheets' tables and hour-line angles, every sampled point against the shadow of the style's tip
// computed from the Sun's direction, the West wall against the mirror of the East one, the
// refusals, the bounding box, and the pieces a maker measures (the scale bar, the style
// template, the foot of the style).

#include "testsupport.h"

#include "shadowframe.h"
#include "sunframe.h"

#include "gnomonics/declining.h"
#include "gnomonics/dialdrawing.h"
#include "gnomonics/horizontalcurves.h"
#include "gnomonics/horizontalhours.h"
#include "gnomonics/verticalcurves.h"
#include "gnomonics/verticalstyle.h"
#include "gnomonics/zodiac.h"
#include "sheet/numbers.h"

#include <QtTest/QtTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

using namespace gnomonics;
using sheet::DrawingPen;
using sheet::DrawingPoint;
using sheet::Refusal;

Q_DECLARE_METATYPE(gnomonics::WallSide)
Q_DECLARE_METATYPE(sheet::Refusal)

namespace {

// Half a unit of the last decimal shown: "#0.0" (vertical solstice cells, the declining
// sheet's angles), "#0.00" (horizontal distances and angles, zodiac cells).
constexpr double kHalfTenth = 0.05;
constexpr double kHalfHundredth = 0.005;
// The vertical tables count their hours from the substyle time angle rounded to 0,001 degree;
// the declining sheet counts from noon exactly. The hour line of a row therefore turns by up to
// 0,0005 degree of hour angle times the line's rate of turn, at most 1 / |sin(style elevation)|
// (below 12 for the walls tested here): 0,006 degree, allowed on top of the sheet's rounding.
constexpr double kRowShiftDeg = 0.006;
// Double arithmetic: the program's formulas against plain vectors, relative to the distance,
// plus an absolute part for points near O.
constexpr double kRelativeTol = 1e-9;
constexpr double kAbsoluteTolMm = 2e-6;
// A point on its hour line: the line and the point come from the same direction.
constexpr double kOnLineTolMm = 1e-9;
// Samples this close to an existence boundary (Sun's altitude or its component along the
// plane's normal, as a sine; or the reach, in mm) may fall either way.
constexpr double kBoundarySine = 1e-9;
constexpr double kReachBandMm = 1e-6;

double dist(DrawingPoint a, DrawingPoint b) { return std::hypot(a.xMm - b.xMm, a.yMm - b.yMm); }
DrawingPoint rel(DrawingPoint p, DrawingPoint centre) { return {p.xMm - centre.xMm, p.yMm - centre.yMm}; }

std::vector<DrawingPoint> curvePoints(const DialDrawing &dd, const DialCurve &c)
{
    std::vector<DrawingPoint> out;
    for (auto i : c.lines)
        for (const auto &p : dd.drawing.lines[i].points)
            out.push_back(p);
    return out;
}

const DialHourLine *hourLine(const DialDrawing &dd, int clockHour)
{
    for (const auto &h : dd.hourLines)
        if (h.clockHour == clockHour)
            return &h;
    return nullptr;
}

// Distance of p from the segment of the hour line, mm.
double offLine(const DialDrawing &dd, const DialHourLine &h, DrawingPoint p)
{
    const auto &pts = dd.drawing.lines[h.line].points;
    const DrawingPoint a = pts.front(), b = pts.back();
    const double dx = b.xMm - a.xMm, dy = b.yMm - a.yMm;
    const double t = std::clamp(((p.xMm - a.xMm) * dx + (p.yMm - a.yMm) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return dist(p, {a.xMm + t * dx, a.yMm + t * dy});
}

int textCount(const DialDrawing &dd, const std::string &text)
{
    return static_cast<int>(std::count_if(dd.drawing.texts.begin(), dd.drawing.texts.end(),
                                          [&](const auto &t) { return t.text == text; }));
}

const sheet::DrawingText *findText(const DialDrawing &dd, const std::string &text)
{
    for (const auto &t : dd.drawing.texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

// Where the shadow of the tip falls, from sunframe's vectors only, in the drawing's frame
// relative to O; empty when the Sun does not light the plane there. "nearBoundary" is set
// when the sample is too close to a boundary to tell.
struct Independent {
    bool lit = false;                  // the Sun in front of the plane and above the horizon
    std::optional<DrawingPoint> point; // where the shadow falls, when lit and within the reach
    bool nearBoundary = false;
};

// A horizontal dial seen from above with the noon line running up towards the pole.
Independent horizontalShadow(double lat, double styleMm, double clockHour, double sunDecl, double reachMm)
{
    using namespace sunframe;
    const Vec3 pole = northPole(lat);
    const Vec3 tip = styleMm * (lat >= 0 ? pole : -1.0 * pole);
    const Vec3 sun = sunDirection(lat, 15.0 * (clockHour - 12.0), sunDecl);
    Independent out;
    out.nearBoundary = std::abs(sun.z) < kBoundarySine;
    if (!(sun.z > 0))
        return out;
    out.lit = true;
    const Vec3 p = *projectAlongSun(tip, sun, kUp);
    const DrawingPoint d = lat > 0 ? DrawingPoint{p.x, -p.y} : DrawingPoint{-p.x, p.y};
    const double r = std::hypot(d.xMm, d.yMm);
    out.nearBoundary = out.nearBoundary || std::abs(r - reachMm) < kReachBandMm;
    if (r <= reachMm)
        out.point = d;
    return out;
}

// A vertical wall seen from in front. The East wall's clock time t stands at the hour angle of
// the table's row (rowHourAngleFromNoonDeg); the West wall is the real wall declining West, its
// clock time t the East row 24 - t seen in the mirror, so at minus that row's hour angle.
Independent wallShadow(double lat, double dcl, WallSide side, double styleMm, double clockHour,
                       double sunDecl, double reachMm)
{
    using namespace sunframe;
    const bool east = side == WallSide::East;
    const double eastHour = east ? clockHour : 24.0 - clockHour;
    const double fromNoon = shadowframe::rowHourAngleFromNoonDeg(lat, dcl, 0, eastHour);
    const double h = east ? fromNoon : -fromNoon;
    const auto shadow = shadowframe::tipShadow(lat, east ? dcl : -dcl, 0, styleMm, h, sunDecl);
    const Vec3 sun = sunDirection(lat, h, sunDecl);
    Independent out;
    out.nearBoundary = std::abs(sun.z) < kBoundarySine || std::abs(dot(sun, shadow.normal)) < kBoundarySine;
    if (!shadow.sunInFront || !(sun.z > 0))
        return out;
    out.lit = true;
    const DrawingPoint d{dot(shadow.point, rightOnWall(shadow.normal)), -shadow.point.z};
    const double r = std::hypot(d.xMm, d.yMm);
    out.nearBoundary = out.nearBoundary || std::abs(r - reachMm) < kReachBandMm;
    if (r <= reachMm)
        out.point = d;
    return out;
}

using ShadowAt = std::function<Independent(double clockHour, double sunDecl)>;

// Every 5-minute sample of every curve against the independent shadow, both ways: each lit
// sample is a vertex of its curve, and each vertex is a lit sample or the exact end of a piece
// (on the reach circle, or, on a wall, on the horizon line at the tip's depth below O).
void checkAgainstShadow(const DialDrawing &dd, const ShadowAt &shadowAt, int firstHour, int lastHour,
                        std::optional<double> horizonDepthMm, const QString &where, int &samples,
                        double &worstMm)
{
    for (const auto &c : dd.curves) {
        const auto pts = curvePoints(dd, c);
        std::vector<bool> matched(pts.size(), false);
        for (int minute = firstHour * 60; minute <= lastHour * 60; minute += 5) {
            const Independent s = shadowAt(minute / 60.0, c.sunDeclinationDeg);
            const QString at = QStringLiteral("%1, curve %2, minute %3").arg(where).arg(c.sunDeclinationDeg).arg(minute);
            if (s.nearBoundary || !s.point)
                continue;
            const DrawingPoint want = *s.point;
            double best = INFINITY;
            std::size_t bestIndex = 0;
            for (std::size_t i = 0; i < pts.size(); ++i) {
                const double e = dist(rel(pts[i], dd.centre), want);
                if (e < best) {
                    best = e;
                    bestIndex = i;
                }
            }
            const double tol = kAbsoluteTolMm + kRelativeTol * std::hypot(want.xMm, want.yMm);
            QVERIFY2(best <= tol, qPrintable(at + QStringLiteral(": nearest vertex %1 mm away").arg(best)));
            matched[bestIndex] = true;
            worstMm = std::max(worstMm, best);
            ++samples;
        }
        for (std::size_t i = 0; i < pts.size(); ++i) {
            if (matched[i])
                continue;
            const DrawingPoint p = rel(pts[i], dd.centre);
            const bool onReach = std::abs(std::hypot(p.xMm, p.yMm) - dd.reachMm) < 1e-6;
            const bool onHorizon = horizonDepthMm && std::abs(p.yMm - *horizonDepthMm) < 1e-6;
            QVERIFY2(onReach || onHorizon,
                     qPrintable(QStringLiteral("%1, curve %2: vertex (%3, %4) is neither a lit sample nor an end")
                                    .arg(where).arg(c.sunDeclinationDeg).arg(p.xMm).arg(p.yMm)));
        }
    }
}

// The curve of a drawing whose declination is the given one.
const DialCurve *curveOf(const DialDrawing &dd, double sunDecl)
{
    for (const auto &c : dd.curves)
        if (c.sunDeclinationDeg == sunDecl)
            return &c;
    return nullptr;
}

// Of the vertices of a curve at the given distance and angle (within the given tolerances),
// the one nearest the given hour line. Angles in degrees from the function given.
std::optional<DrawingPoint> vertexAt(const DialDrawing &dd, const DialCurve &c, const DialHourLine &line,
                                     double distanceMm, double distanceTol, double angleDeg,
                                     double angleTol, const std::function<double(DrawingPoint)> &angleOf)
{
    std::optional<DrawingPoint> best;
    for (const auto &p : curvePoints(dd, c)) {
        const DrawingPoint r = rel(p, dd.centre);
        if (std::abs(std::hypot(r.xMm, r.yMm) - distanceMm) <= distanceTol &&
            std::abs(angleOf(r) - angleDeg) <= angleTol &&
            (!best || offLine(dd, line, p) < offLine(dd, line, *best)))
            best = p;
    }
    return best;
}

// Clockwise from up, degrees: the horizontal sheet's angle from the noon line.
double fromNoonLineDeg(DrawingPoint r) { return shadowframe::toDeg(std::atan2(r.xMm, -r.yMm)); }
// Downwards from the right-hand horizontal, degrees: the declining sheet's A.
double fromRightDeg(DrawingPoint r) { return shadowframe::toDeg(std::atan2(r.yMm, r.xMm)); }

void checkInsideAndFinite(const DialDrawing &dd, const QString &where)
{
    const auto &d = dd.drawing;
    QVERIFY2(std::isfinite(d.widthMm) && std::isfinite(d.heightMm) && d.widthMm > 0 && d.heightMm > 0,
             qPrintable(where));
    auto inside = [&](DrawingPoint p, double clear) {
        return std::isfinite(p.xMm) && std::isfinite(p.yMm) && p.xMm >= clear && p.yMm >= clear &&
               p.xMm <= d.widthMm - clear && p.yMm <= d.heightMm - clear;
    };
    for (const auto &line : d.lines) {
        QVERIFY2(line.points.size() >= 2, qPrintable(where));
        for (const auto &p : line.points)
            QVERIFY2(inside(p, 0.0), qPrintable(where + QStringLiteral(": point (%1, %2) outside %3 x %4")
                                                          .arg(p.xMm).arg(p.yMm).arg(d.widthMm).arg(d.heightMm)));
    }
    // A text's anchor stands well inside: its own extent is within the margin.
    for (const auto &t : d.texts) {
        QVERIFY2(!t.text.empty() && std::isfinite(t.heightMm) && t.heightMm > 0, qPrintable(where));
        QVERIFY2(inside(t.at, 2.0), qPrintable(where + QStringLiteral(": text %1 at (%2, %3)")
                                                         .arg(qs(t.text)).arg(t.at.xMm).arg(t.at.yMm)));
    }
    for (const auto &dot : d.dots)
        QVERIFY2(inside(dot.at, dot.radiusMm), qPrintable(where));
    QVERIFY2(inside(dd.centre, 0.0), qPrintable(where));
}

bool isEmpty(const DialDrawing &dd)
{
    return dd.drawing.lines.empty() && dd.drawing.texts.empty() && dd.drawing.dots.empty() &&
           dd.drawing.widthMm == 0 && dd.drawing.heightMm == 0 && dd.hourLines.empty() && dd.curves.empty();
}

const char *sideName(WallSide side) { return side == WallSide::East ? "East" : "West"; }

} // namespace

class TestDialDrawing : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // Horizontal dial: every whole-hour point of the solstice curves against the curves sheet
    // (ComputeHorizontalCurves, to its shown decimals) and the hour-angle sheet
    // (ComputeHorizontalHourAngles, "#0.00"); the equinox line against the sheet's noon value.
    // Sources of the rows: the sheets' worked example (latitude 38, style 10), the winter Sun
    // that never rises at 80, a southern dial, and latitudes where the 6 o'clock Sun is up.
    void horizontalWholeHoursMatchTheSheets_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("style");
        QTest::newRow("worked example lat 38 style 10") << 38.0 << 10.0;
        QTest::newRow("lat 38 style 40") << 38.0 << 40.0;
        QTest::newRow("lat 45 style 25") << 45.0 << 25.0;
        QTest::newRow("lat 60 style 10") << 60.0 << 10.0;
        QTest::newRow("lat 80: winter Sun never rises") << 80.0 << 10.0;
        QTest::newRow("southern dial lat -38") << -38.0 << 10.0;
        QTest::newRow("southern dial lat -60 style 15") << -60.0 << 15.0;
        QTest::newRow("near the equator lat 10 style 30") << 10.0 << 30.0;
    }
    void horizontalWholeHoursMatchTheSheets()
    {
        QFETCH(double, lat);
        QFETCH(double, style);
        const DialDrawing dd = BuildHorizontalDialDrawing(lat, style);
        QCOMPARE(dd.refusal, Refusal::None);
        const HorizontalCurvesResult table = ComputeHorizontalCurves(lat, style);
        const HorizontalHourTexts angles = ComputeHorizontalHourAngles(lat);
        int found = 0;
        for (double decl : {kSummerSolsticeDeclinationDeg, kWinterSolsticeDeclinationDeg, 0.0}) {
            const DialCurve *curve = curveOf(dd, decl);
            QVERIFY(curve);
            for (int t = 6; t <= 18; ++t) {
                const std::size_t row = static_cast<std::size_t>(t - 6);
                std::string text;
                if (decl == 0.0) {
                    if (t != 12)
                        continue; // the sheet shows the equinox at noon only
                    text = table.equinoxNoon;
                } else {
                    // The sheet's "summer" is the dial's own: the December solstice in the south.
                    text = (decl > 0) == (lat > 0) ? table.summer[row] : table.winter[row];
                }
                const auto shown = sheet::ReadNumber(text);
                const Independent s = horizontalShadow(lat, style, t, decl, dd.reachMm);
                const QString where = QStringLiteral("curve %1, %2 o'clock, table %3").arg(decl).arg(t).arg(qs(text));
                QVERIFY2(!s.nearBoundary, qPrintable(where));
                // The sheet shows a number exactly where the Sun is up; the drawing keeps it
                // within the reach.
                QCOMPARE(shown.has_value(), s.lit);
                if (!s.point)
                    continue;
                const double half = ((decl > 0) == (lat > 0) && (t == 6 || t == 18)) ? kHalfTenth : kHalfHundredth;
                // The sheet's angle: the morning row of t, or of 24 - t in the afternoon.
                const int morning = t <= 12 ? t : 24 - t;
                const double sheetAngle =
                    morning == 12 ? 0.0 : *sheet::ReadNumber(angles.morning[static_cast<std::size_t>(2 * (morning - 5))]);
                // Morning lines turn to the West: to the left on a northern dial, to the right
                // on a southern one.
                const double sign = (t < 12 ? -1.0 : 1.0) * (lat > 0 ? 1.0 : -1.0);
                const double wantSigned = sign * std::abs(sheetAngle);
                const DialHourLine *line = hourLine(dd, t);
                QVERIFY2(line, qPrintable(where));
                const auto v = vertexAt(dd, *curve, *line, *shown, half + 1e-9, wantSigned,
                                        kHalfHundredth + 1e-9, fromNoonLineDeg);
                QVERIFY2(v, qPrintable(where + QStringLiteral(", angle %1").arg(wantSigned)));
                HORALO_COMPARE_NEAR(offLine(dd, *line, *v), 0.0, kOnLineTolMm);
                ++found;
            }
        }
        QVERIFY(found > 0);
    }

    // Vertical walls, both sides: every whole-hour point of every curve against the curve sheet's
    // cell (CurveVrt "#0.0", ZodiacoVrt "#0.00") and the declining-wall sheet's angle for the same
    // latitude, declination and side (DecliningHourAngle, one decimal), at the clock hour the
    // sheets label the row with. Sources: the sheets' default walls, the worked wall of the curve sheet
    // (latitude 45, declination 10), and walls far from them.
    void verticalWholeHoursMatchTheSheets_data()
    {
        QTest::addColumn<bool>("zodiac");
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("dcl");
        QTest::addColumn<double>("style");
        QTest::addColumn<WallSide>("side");
        QTest::addColumn<double>("d1");
        QTest::addColumn<double>("d2");
        QTest::addColumn<double>("d5");
        for (WallSide side : {WallSide::East, WallSide::West}) {
            QTest::addRow("CurveVrt defaults, %s", sideName(side))
                << false << 38.1217 << 38.0 << 40.32 << side << 0.0 << 0.0 << 0.0;
            QTest::addRow("CurveVrt lat 45 decl 10 style 50, %s", sideName(side))
                << false << 45.0 << 10.0 << 50.0 << side << 0.0 << 0.0 << 0.0;
            QTest::addRow("CurveVrt declining-sheet wall 38,1375 / 38, %s", sideName(side))
                << false << 38.1375 << 38.0 << 40.32 << side << 0.0 << 0.0 << 0.0;
            QTest::addRow("CurveVrt lat 55 decl 60 style 30, %s", sideName(side))
                << false << 55.0 << 60.0 << 30.0 << side << 0.0 << 0.0 << 0.0;
            QTest::addRow("CurveVrt lat 20 decl 5 style 80, %s", sideName(side))
                << false << 20.0 << 5.0 << 80.0 << side << 0.0 << 0.0 << 0.0;
            QTest::addRow("ZodiacoVrt defaults, %s", sideName(side))
                << true << 38.1167 << 38.0 << 40.32 << side << 20.16 << 11.48 << 0.0;
            QTest::addRow("ZodiacoVrt lat 45 decl 10, anniversary 15, %s", sideName(side))
                << true << 45.0 << 10.0 << 50.0 << side << 20.16 << 11.48 << 15.0;
        }
    }
    void verticalWholeHoursMatchTheSheets()
    {
        QFETCH(bool, zodiac);
        QFETCH(double, lat);
        QFETCH(double, dcl);
        QFETCH(double, style);
        QFETCH(WallSide, side);
        QFETCH(double, d1);
        QFETCH(double, d2);
        QFETCH(double, d5);
        const DialDrawing dd = zodiac ? BuildZodiacDialDrawing(lat, dcl, style, side, d1, d2, d5, "Anniversario")
                                      : BuildVerticalDialDrawing(lat, dcl, style, side);
        QCOMPARE(dd.refusal, Refusal::None);
        std::vector<double> columns;
        std::vector<std::vector<std::string>> cells(kVerticalRows);
        if (zodiac) {
            const auto z = ComputeZodiacSheet(lat, dcl, style, 0, d1, d2, d5);
            for (double d : ZodiacDeclinationsDeg(d1, d2, d5))
                columns.push_back(d);
            for (int r = 0; r < kVerticalRows; ++r)
                cells[r].assign(z.cells[r].begin(), z.cells[r].end());
        } else {
            const auto v = ComputeVerticalCurves(lat, dcl, style, 0);
            columns.assign(kSolsticeDeclinationsDeg.begin(), kSolsticeDeclinationsDeg.end());
            for (int r = 0; r < kVerticalRows; ++r)
                cells[r].assign(v.cells[r].begin(), v.cells[r].end());
        }
        QCOMPARE(dd.curves.size(), columns.size());
        const double half = zodiac ? kHalfHundredth : kHalfTenth;
        int found = 0;
        for (std::size_t col = 0; col < columns.size(); ++col) {
            const DialCurve *curve = curveOf(dd, columns[col]);
            QVERIFY(curve);
            for (int row = 0; row < kVerticalRows; ++row) {
                const int eastHour = kVerticalFirstHour + row;
                const int label = side == WallSide::East ? eastHour : 24 - eastHour;
                const std::string &text = cells[row][col];
                const auto shown = sheet::ReadNumber(text);
                const Independent s = wallShadow(lat, dcl, side, style, label, columns[col], dd.reachMm);
                const QString where = QStringLiteral("column %1, row %2 labelled %3, cell %4")
                                          .arg(col + 1).arg(eastHour).arg(label).arg(qs(text));
                QVERIFY2(!s.nearBoundary, qPrintable(where));
                // The table does not test the horizon: where the Sun lights the wall it shows a
                // number; where it is down or behind the wall the drawing has no point.
                if (s.lit)
                    QVERIFY2(shown, qPrintable(where + QStringLiteral(": lit, but the sheet shows a dash")));
                if (!s.point) {
                    // No vertex of this curve on this hour's line, but the ends of its pieces
                    // (on the reach circle or on the horizon line), which may meet it by chance.
                    const double depth = style * std::sin(shadowframe::toRad(lat));
                    if (const DialHourLine *line = hourLine(dd, label)) {
                        for (const auto &p : curvePoints(dd, *curve)) {
                            const bool end = dist(p, dd.centre) > dd.reachMm - 1e-3 ||
                                             std::abs(rel(p, dd.centre).yMm - depth) < 1e-6;
                            QVERIFY2(end || offLine(dd, *line, p) > 1e-6,
                                     qPrintable(where + QStringLiteral(": a point drawn where the Sun does not light it")));
                        }
                    }
                    continue;
                }
                const DecliningHourLine sheetLine = DecliningHourAngle(lat, dcl, side, label);
                QVERIFY2(sheetLine.angleDeg, qPrintable(where + QStringLiteral(": the declining sheet has no line")));
                const double sheetAngle = -*sheet::ReadNumber(sheetLine.text);
                const DialHourLine *line = hourLine(dd, label);
                QVERIFY2(line, qPrintable(where));
                const auto v = vertexAt(dd, *curve, *line, *shown, half + 1e-9, sheetAngle,
                                        kHalfTenth + kRowShiftDeg, fromRightDeg);
                QVERIFY2(v, qPrintable(where + QStringLiteral(", angle %1").arg(sheetAngle)));
                HORALO_COMPARE_NEAR(offLine(dd, *line, *v), 0.0, kOnLineTolMm);
                ++found;
            }
        }
        QVERIFY(found > 0);
    }

    // Every 5-minute point of every curve against the shadow of the tip: the defaults of each
    // sheet and random dials. Prints the worst distance between the two computations.
    void curvesFollowTheShadowOfTheTip()
    {
        int samples = 0;
        double worst = 0;
        shadowframe::Uniform random(20021207);
        for (int n = 0; n < 120; ++n) {
            const double lat = n == 0 ? 38.0 : random.in(-75.0, 75.0);
            const double style = n == 0 ? 10.0 : random.in(5.0, 100.0);
            if (std::abs(lat) < 0.5)
                continue;
            const DialDrawing dd = BuildHorizontalDialDrawing(lat, style);
            QCOMPARE(dd.refusal, Refusal::None);
            const ShadowAt at = [&](double t, double d) { return horizontalShadow(lat, style, t, d, dd.reachMm); };
            checkAgainstShadow(dd, at, 6, 18, std::nullopt,
                               QStringLiteral("horizontal lat %1 style %2").arg(lat, 0, 'g', 17).arg(style, 0, 'g', 17),
                               samples, worst);
        }
        for (int n = 0; n < 160; ++n) {
            const bool zodiac = n % 2 == 1;
            const WallSide side = (n / 2) % 2 == 0 ? WallSide::East : WallSide::West;
            const double lat = n < 4 ? 38.1217 : random.in(1.0, 80.0);
            const double dcl = n < 4 ? 38.0 : random.in(1.0, 89.0);
            const double style = n < 4 ? 40.32 : random.in(5.0, 100.0);
            const double d1 = random.in(15.0, 23.45), d2 = random.in(5.0, 15.0), d5 = random.in(-23.45, 23.45);
            const DialDrawing dd = zodiac ? BuildZodiacDialDrawing(lat, dcl, style, side, d1, d2, d5, "Anniversario")
                                          : BuildVerticalDialDrawing(lat, dcl, style, side);
            QCOMPARE(dd.refusal, Refusal::None);
            const ShadowAt at = [&](double t, double d) {
                return wallShadow(lat, dcl, side, style, t, d, dd.reachMm);
            };
            const double depth = style * std::sin(shadowframe::toRad(lat)); // the tip's depth below O
            checkAgainstShadow(dd, at, kVerticalFirstHour, kVerticalLastHour, depth,
                               QStringLiteral("%1 wall lat %2 decl %3 style %4 %5")
                                   .arg(zodiac ? "zodiac" : "solstice").arg(lat, 0, 'g', 17)
                                   .arg(dcl, 0, 'g', 17).arg(style, 0, 'g', 17).arg(sideName(side)),
                               samples, worst);
        }
        qInfo("%d curve samples matched the shadow of the tip; largest distance %.3g mm", samples, worst);
        QVERIFY(samples > 10000);
    }

    // The hour lines drawn are those whose Sun lights the dial on some day between the
    // solstices: pinned for the sheets' default walls (the declining sheet dashes the East wall
    // from 16.30 on and the West wall up to 7.30; the Sun also has to be in front of the wall and
    // above the horizon), and checked against the shadow for the other walls.
    void hourLinesWhereTheSunShines_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("dcl");
        QTest::addColumn<WallSide>("side");
        QTest::addColumn<QList<int>>("hours");
        QTest::newRow("CurveVrt defaults East: 5 to 15")
            << 38.1217 << 38.0 << WallSide::East << QList<int>{5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
        QTest::newRow("CurveVrt defaults West: 9 to 19")
            << 38.1217 << 38.0 << WallSide::West << QList<int>{9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
        QTest::newRow("lat 45 decl 10 East: 6 to 17")
            << 45.0 << 10.0 << WallSide::East << QList<int>{6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17};
    }
    void hourLinesWhereTheSunShines()
    {
        QFETCH(double, lat);
        QFETCH(double, dcl);
        QFETCH(WallSide, side);
        QFETCH(QList<int>, hours);
        const DialDrawing dd = BuildVerticalDialDrawing(lat, dcl, 40.32, side);
        QList<int> drawn;
        for (const auto &h : dd.hourLines)
            drawn.push_back(h.clockHour);
        QCOMPARE(drawn, hours);
        // Each drawn line lies where the shadow falls at its hour, and reaches past every
        // whole-hour point drawn on it.
        for (const auto &h : dd.hourLines) {
            const auto &pts = dd.drawing.lines[h.line].points;
            QCOMPARE(pts.size(), std::size_t(2));
            QCOMPARE(pts.front(), dd.centre);
            QVERIFY(h.lengthMm <= dd.reachMm + 5.0 + 1e-9);
            HORALO_COMPARE_NEAR(dist(pts.back(), dd.centre), h.lengthMm, 1e-9);
            bool sawLight = false;
            for (double d = -23.45; d <= 23.45; d += 0.5) {
                const Independent s = wallShadow(lat, dcl, side, 40.32, h.clockHour, d, INFINITY);
                if (!s.point)
                    continue;
                sawLight = true;
                const DrawingPoint r = rel(pts.back(), dd.centre);
                const double turn = std::atan2(r.xMm * s.point->yMm - r.yMm * s.point->xMm,
                                               r.xMm * s.point->xMm + r.yMm * s.point->yMm);
                HORALO_COMPARE_NEAR(shadowframe::toDeg(turn), 0.0, 1e-7);
            }
            QVERIFY2(sawLight, qPrintable(QStringLiteral("%1 o'clock drawn but never lit").arg(h.clockHour)));
            QCOMPARE(dd.drawing.texts[h.label].text, std::to_string(h.clockHour));
        }
    }

    // A West wall is the East wall in a mirror, its hour t the East hour 24 - t.
    void westIsTheMirrorOfEast_data()
    {
        QTest::addColumn<bool>("zodiac");
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("dcl");
        QTest::addColumn<double>("style");
        QTest::newRow("CurveVrt defaults") << false << 38.1217 << 38.0 << 40.32;
        QTest::newRow("CurveVrt lat 45 decl 10") << false << 45.0 << 10.0 << 50.0;
        QTest::newRow("ZodiacoVrt defaults") << true << 38.1167 << 38.0 << 40.32;
        QTest::newRow("ZodiacoVrt lat 60 decl 70") << true << 60.0 << 70.0 << 25.0;
    }
    void westIsTheMirrorOfEast()
    {
        QFETCH(bool, zodiac);
        QFETCH(double, lat);
        QFETCH(double, dcl);
        QFETCH(double, style);
        auto build = [&](WallSide side) {
            return zodiac ? BuildZodiacDialDrawing(lat, dcl, style, side, 20.16, 11.48, 5.0, "Anniversario")
                          : BuildVerticalDialDrawing(lat, dcl, style, side);
        };
        const DialDrawing east = build(WallSide::East), west = build(WallSide::West);
        auto mirrored = [&](DrawingPoint p) {
            const DrawingPoint r = rel(p, east.centre);
            return DrawingPoint{-r.xMm, r.yMm};
        };
        constexpr double kMirrorTolMm = 1e-6;
        QCOMPARE(west.hourLines.size(), east.hourLines.size());
        for (const auto &w : west.hourLines) {
            const DialHourLine *e = hourLine(east, 24 - w.clockHour);
            QVERIFY2(e, qPrintable(QStringLiteral("no East line for West %1").arg(w.clockHour)));
            const auto &wp = west.drawing.lines[w.line].points;
            const auto &ep = east.drawing.lines[e->line].points;
            QCOMPARE(wp.size(), ep.size());
            for (std::size_t i = 0; i < wp.size(); ++i)
                HORALO_COMPARE_NEAR(dist(rel(wp[i], west.centre), mirrored(ep[i])), 0.0, kMirrorTolMm);
            QCOMPARE(west.drawing.texts[w.label].text, std::to_string(w.clockHour));
        }
        QCOMPARE(west.curves.size(), east.curves.size());
        for (std::size_t c = 0; c < west.curves.size(); ++c) {
            const auto &wc = west.curves[c];
            const auto &ec = east.curves[c];
            QCOMPARE(wc.sunDeclinationDeg, ec.sunDeclinationDeg);
            QCOMPARE(wc.lines.size(), ec.lines.size());
            // The West day runs the East day backwards: its first piece is the East's last.
            for (std::size_t k = 0; k < wc.lines.size(); ++k) {
                const auto &wp = west.drawing.lines[wc.lines[k]].points;
                const auto &ep = east.drawing.lines[ec.lines[ec.lines.size() - 1 - k]].points;
                QCOMPARE(wp.size(), ep.size());
                for (std::size_t i = 0; i < wp.size(); ++i)
                    HORALO_COMPARE_NEAR(dist(rel(wp[i], west.centre), mirrored(ep[ep.size() - 1 - i])), 0.0,
                                        kMirrorTolMm);
            }
        }
    }

    // O, the foot of the style and the substyle: the foot at b from O, the substyle at f from
    // the noon line, on the West side of the noon line on a wall declining East (the foot of the
    // tip's perpendicular, found here from the vectors of shadowframe).
    void footOfTheStyle_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("dcl");
        QTest::addColumn<double>("style");
        QTest::addColumn<WallSide>("side");
        for (WallSide side : {WallSide::East, WallSide::West}) {
            QTest::addRow("CurveVrt defaults, %s", sideName(side)) << 38.1217 << 38.0 << 40.32 << side;
            QTest::addRow("lat 45 decl 10, %s", sideName(side)) << 45.0 << 10.0 << 50.0 << side;
            QTest::addRow("lat 30 decl 80, %s", sideName(side)) << 30.0 << 80.0 << 20.0 << side;
        }
    }
    void footOfTheStyle()
    {
        QFETCH(double, lat);
        QFETCH(double, dcl);
        QFETCH(double, style);
        QFETCH(WallSide, side);
        const DialDrawing dd = BuildVerticalDialDrawing(lat, dcl, style, side);
        const VerticalStyle vs = MakeVerticalStyle(lat, dcl, style, 0);
        // The dots are O and the foot.
        QCOMPARE(dd.drawing.dots.size(), std::size_t(2));
        QCOMPARE(dd.drawing.dots[0].at, dd.centre);
        const DrawingPoint foot = rel(dd.drawing.dots[1].at, dd.centre);
        HORALO_COMPARE_NEAR(std::hypot(foot.xMm, foot.yMm), StyleBaseMm(vs), 1e-9);
        HORALO_COMPARE_NEAR(shadowframe::toDeg(std::atan2(std::abs(foot.xMm), foot.yMm)), SubstyleAngleDeg(vs), 1e-9);
        QVERIFY(side == WallSide::East ? foot.xMm < 0 : foot.xMm > 0);
        const auto shadow = shadowframe::tipShadow(lat, side == WallSide::East ? dcl : -dcl, 0, style, 0, 0);
        const sunframe::Vec3 perpendicularFoot = shadow.tip - sunframe::dot(shadow.tip, shadow.normal) * shadow.normal;
        const DrawingPoint want{sunframe::dot(perpendicularFoot, sunframe::rightOnWall(shadow.normal)),
                                -perpendicularFoot.z};
        HORALO_COMPARE_NEAR(dist(foot, want), 0.0, 1e-9);
        // O is labelled, and the foot lies on the dashed substyle.
        const auto *o = findText(dd, "O");
        QVERIFY(o);
        QVERIFY(dist(o->at, dd.centre) < 20.0);
        bool onSubstyle = false;
        for (const auto &line : dd.drawing.lines) {
            if (!line.dashed || line.points.size() != 2 || !(line.points[0] == dd.centre))
                continue;
            const DrawingPoint r = rel(line.points[1], dd.centre);
            const double cross = (r.xMm * foot.yMm - r.yMm * foot.xMm) / std::hypot(r.xMm, r.yMm);
            onSubstyle = std::abs(cross) < 1e-9 && std::hypot(r.xMm, r.yMm) > std::hypot(foot.xMm, foot.yMm);
        }
        QVERIFY(onSubstyle);
    }

    void horizontalFootOnTheNoonLine()
    {
        // Source: b = s cos(latitude) by hand, 7,88 for the worked example.
        for (double lat : {38.0, -38.0, 60.0}) {
            const DialDrawing dd = BuildHorizontalDialDrawing(lat, 10.0);
            QCOMPARE(dd.drawing.dots.size(), std::size_t(2));
            const DrawingPoint foot = rel(dd.drawing.dots[1].at, dd.centre);
            HORALO_COMPARE_NEAR(foot.xMm, 0.0, 1e-12);
            HORALO_COMPARE_NEAR(-foot.yMm, 10.0 * std::cos(shadowframe::toRad(lat)), 1e-9);
            // The 12 o'clock line runs up the noon line through the foot.
            const DialHourLine *noon = hourLine(dd, 12);
            QVERIFY(noon);
            HORALO_COMPARE_NEAR(offLine(dd, *noon, dd.drawing.dots[1].at), 0.0, 1e-9);
        }
    }

    // Everything in [0, w] x [0, h], nothing that is not a number, for ordinary and extreme
    // inputs of all three drawings.
    void insideTheBoxAndFinite_data()
    {
        QTest::addColumn<int>("kind"); // 0 horizontal, 1 vertical, 2 zodiac
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("dcl");
        QTest::addColumn<double>("style");
        QTest::addColumn<WallSide>("side");
        QTest::addColumn<double>("anniversary");
        const auto E = WallSide::East, W = WallSide::West;
        QTest::newRow("horizontal defaults") << 0 << 38.0 << 0.0 << 10.0 << E << 0.0;
        QTest::newRow("horizontal southern") << 0 << -45.0 << 0.0 << 30.0 << E << 0.0;
        QTest::newRow("horizontal near the pole") << 0 << 89.999 << 0.0 << 10.0 << E << 0.0;
        QTest::newRow("horizontal near the equator") << 0 << 1e-9 << 0.0 << 10.0 << E << 0.0;
        QTest::newRow("horizontal tiny style") << 0 << 38.0 << 0.0 << 1e-3 << E << 0.0;
        QTest::newRow("horizontal longest style") << 0 << 38.0 << 0.0 << 1e4 << E << 0.0;
        QTest::newRow("vertical defaults East") << 1 << 38.1217 << 38.0 << 40.32 << E << 0.0;
        QTest::newRow("vertical defaults West") << 1 << 38.1217 << 38.0 << 40.32 << W << 0.0;
        QTest::newRow("vertical latitude just below 90") << 1 << 89.9999999 << 38.0 << 40.32 << E << 0.0;
        QTest::newRow("vertical declination just below 90") << 1 << 38.1217 << 89.9999999 << 40.32 << W << 0.0;
        QTest::newRow("vertical both just below 90") << 1 << 89.9999999 << 89.9999999 << 40.32 << E << 0.0;
        QTest::newRow("vertical tiny latitude and declination") << 1 << 1e-300 << 1e-300 << 40.32 << E << 0.0;
        QTest::newRow("vertical wall barely declining") << 1 << 45.0 << 1e-7 << 40.32 << W << 0.0;
        QTest::newRow("vertical longest style") << 1 << 38.1217 << 38.0 << 1e4 << E << 0.0;
        QTest::newRow("zodiac defaults East") << 2 << 38.1167 << 38.0 << 40.32 << E << 0.0;
        QTest::newRow("zodiac anniversary near 90") << 2 << 38.1167 << 38.0 << 40.32 << W << 89.9;
        QTest::newRow("zodiac anniversary near -90") << 2 << 38.1167 << 38.0 << 40.32 << E << -89.9;
    }
    void insideTheBoxAndFinite()
    {
        QFETCH(int, kind);
        QFETCH(double, lat);
        QFETCH(double, dcl);
        QFETCH(double, style);
        QFETCH(WallSide, side);
        QFETCH(double, anniversary);
        const DialDrawing dd = kind == 0   ? BuildHorizontalDialDrawing(lat, style)
                               : kind == 1 ? BuildVerticalDialDrawing(lat, dcl, style, side)
                                           : BuildZodiacDialDrawing(lat, dcl, style, side, 20.16, 11.48,
                                                                    anniversary, "Anniversario");
        QCOMPARE(dd.refusal, Refusal::None);
        checkInsideAndFinite(dd, QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(!dd.drawing.title.empty());
        QCOMPARE(textCount(dd, "Scala 1:1"), 1);
    }

    // The sheets' checks, then the drawing's own: on a refusal nothing at all is drawn.
    void refusals_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("dcl");
        QTest::addColumn<double>("style");
        QTest::addColumn<double>("sign1");
        QTest::addColumn<double>("anniversary");
        QTest::addColumn<Refusal>("refusal");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        QTest::newRow("horizontal latitude 0 is missing") << 0 << 0.0 << 0.0 << 10.0 << 0.0 << 0.0 << Refusal::Missing;
        QTest::newRow("horizontal style 0 is missing") << 0 << 38.0 << 0.0 << 0.0 << 0.0 << 0.0 << Refusal::Missing;
        QTest::newRow("horizontal missing before negative") << 0 << 0.0 << 0.0 << -10.0 << 0.0 << 0.0 << Refusal::Missing;
        QTest::newRow("horizontal negative style") << 0 << 38.0 << 0.0 << -10.0 << 0.0 << 0.0 << Refusal::Negative;
        QTest::newRow("horizontal latitude 90") << 0 << 90.0 << 0.0 << 10.0 << 0.0 << 0.0 << Refusal::OutOfRange;
        QTest::newRow("horizontal latitude -95") << 0 << -95.0 << 0.0 << 10.0 << 0.0 << 0.0 << Refusal::OutOfRange;
        QTest::newRow("horizontal latitude NaN") << 0 << nan << 0.0 << 10.0 << 0.0 << 0.0 << Refusal::OutOfRange;
        QTest::newRow("horizontal style infinite") << 0 << 38.0 << 0.0 << inf << 0.0 << 0.0 << Refusal::OutOfRange;
        QTest::newRow("horizontal southern latitude drawn") << 0 << -38.0 << 0.0 << 10.0 << 0.0 << 0.0 << Refusal::None;
        QTest::newRow("vertical latitude 0 is missing") << 1 << 0.0 << 38.0 << 40.32 << 0.0 << 0.0 << Refusal::Missing;
        QTest::newRow("vertical declination 0: a wall facing South") << 1 << 38.0 << 0.0 << 40.32 << 0.0 << 0.0 << Refusal::None;
        QTest::newRow("vertical style 0 is missing") << 1 << 38.0 << 38.0 << 0.0 << 0.0 << 0.0 << Refusal::Missing;
        QTest::newRow("vertical negative latitude") << 1 << -38.0 << 38.0 << 40.32 << 0.0 << 0.0 << Refusal::Negative;
        QTest::newRow("vertical negative style") << 1 << 38.0 << 38.0 << -1.0 << 0.0 << 0.0 << Refusal::Negative;
        QTest::newRow("vertical declination 90") << 1 << 38.0 << 90.0 << 40.32 << 0.0 << 0.0 << Refusal::OutOfRange;
        QTest::newRow("vertical latitude NaN") << 1 << nan << 38.0 << 40.32 << 0.0 << 0.0 << Refusal::OutOfRange;
        QTest::newRow("vertical declination NaN") << 1 << 38.0 << nan << 40.32 << 0.0 << 0.0 << Refusal::OutOfRange;
        QTest::newRow("vertical style infinite") << 1 << 38.0 << 38.0 << inf << 0.0 << 0.0 << Refusal::OutOfRange;
        QTest::newRow("zodiac latitude 0 is missing") << 2 << 0.0 << 38.0 << 40.32 << 20.16 << 0.0 << Refusal::Missing;
        QTest::newRow("zodiac negative declination") << 2 << 38.0 << -38.0 << 40.32 << 20.16 << 0.0 << Refusal::Negative;
        QTest::newRow("zodiac sign NaN") << 2 << 38.0 << 38.0 << 40.32 << nan << 0.0 << Refusal::OutOfRange;
        QTest::newRow("zodiac anniversary infinite") << 2 << 38.0 << 38.0 << 40.32 << 20.16 << inf << Refusal::OutOfRange;
        QTest::newRow("zodiac sign 90") << 2 << 38.0 << 38.0 << 40.32 << 90.0 << 0.0 << Refusal::OutOfRange;
        QTest::newRow("zodiac anniversary -90") << 2 << 38.0 << 38.0 << 40.32 << 20.16 << -90.0 << Refusal::OutOfRange;
        // A style no one builds: the last millimetre drawn, the next refused, and the lengths of
        // the faults seen (a hang at 1e5, a crash at 1e9 and 1e10, a sanitizer report near the
        // largest double).
        QTest::newRow("horizontal style 10000 drawn") << 0 << 60.0 << 0.0 << 10000.0 << 0.0 << 0.0 << Refusal::None;
        QTest::newRow("horizontal style just over 10000") << 0 << 60.0 << 0.0 << 10000.001 << 0.0 << 0.0 << Refusal::StyleTooLong;
        QTest::newRow("horizontal style 100000") << 0 << 60.0 << 0.0 << 1e5 << 0.0 << 0.0 << Refusal::StyleTooLong;
        QTest::newRow("vertical style 10000 drawn") << 1 << 1.0 << 1e-7 << 10000.0 << 0.0 << 0.0 << Refusal::None;
        QTest::newRow("vertical style 10000900000") << 1 << 1.0 << 1e-7 << 10000900000.0 << 0.0 << 0.0 << Refusal::StyleTooLong;
        QTest::newRow("vertical style near the largest double") << 1 << 89.0 << 1e-7 << 1.7976931348623157e308 << 0.0 << 0.0 << Refusal::StyleTooLong;
        QTest::newRow("vertical missing before too long") << 1 << 0.0 << 38.0 << 1e9 << 0.0 << 0.0 << Refusal::Missing;
        QTest::newRow("zodiac style 1000000000") << 2 << 52.3 << 1.0 << 1e9 << 20.16 << 0.0 << Refusal::StyleTooLong;
        QTest::newRow("zodiac sign 0 drawn") << 2 << 38.0 << 38.0 << 40.32 << 0.0 << 0.0 << Refusal::None;
        QTest::newRow("zodiac negative sign drawn") << 2 << 38.0 << 38.0 << 40.32 << -5.0 << -20.0 << Refusal::None;
    }
    void refusals()
    {
        QFETCH(int, kind);
        QFETCH(double, lat);
        QFETCH(double, dcl);
        QFETCH(double, style);
        QFETCH(double, sign1);
        QFETCH(double, anniversary);
        QFETCH(Refusal, refusal);
        for (WallSide side : {WallSide::East, WallSide::West}) {
            const DialDrawing dd = kind == 0   ? BuildHorizontalDialDrawing(lat, style)
                                   : kind == 1 ? BuildVerticalDialDrawing(lat, dcl, style, side)
                                               : BuildZodiacDialDrawing(lat, dcl, style, side, sign1, 11.48,
                                                                        anniversary, "Anniversario");
            QCOMPARE(dd.refusal, refusal);
            if (refusal != Refusal::None)
                QVERIFY(isEmpty(dd));
            else
                checkInsideAndFinite(dd, QString::fromLatin1(QTest::currentDataTag()));
        }
    }

    // A wall facing due South turns to neither side: its title names no side, on either button.
    void southFacingWallTitle()
    {
        for (WallSide side : {WallSide::East, WallSide::West}) {
            const DialDrawing dd = BuildVerticalDialDrawing(38.1217, 0, 40.32, side);
            QCOMPARE(dd.refusal, Refusal::None);
            QCOMPARE(textCount(dd, "Declinazione 0°"), 1);
            QCOMPARE(textCount(dd, "Declinazione 0° Est") + textCount(dd, "Declinazione 0° Ovest"), 0);
        }
    }

    // The bar the maker measures to check the printer's scale.
    void scaleBarIsOneHundredMillimetres()
    {
        const std::vector<DialDrawing> drawings{
            BuildHorizontalDialDrawing(38, 10), BuildVerticalDialDrawing(38.1217, 38, 40.32, WallSide::East),
            BuildZodiacDialDrawing(38.1167, 38, 40.32, WallSide::West, 20.16, 11.48, 0, "Anniversario")};
        for (const auto &dd : drawings) {
            QCOMPARE(textCount(dd, "100 mm"), 1);
            const auto *label = findText(dd, "100 mm");
            int bars = 0;
            for (const auto &line : dd.drawing.lines) {
                if (line.pen != DrawingPen::Frame || line.points.size() != 2)
                    continue;
                const DrawingPoint a = line.points[0], b = line.points[1];
                if (a.yMm != b.yMm)
                    continue;
                const DrawingPoint mid{(a.xMm + b.xMm) / 2, a.yMm};
                if (dist(mid, label->at) > 10.0)
                    continue;
                HORALO_COMPARE_NEAR(std::abs(b.xMm - a.xMm), 100.0, 1e-9);
                ++bars;
            }
            QCOMPARE(bars, 1);
        }
    }

    // The template to cut out: the right triangle of the style at 1:1 and its angle at O.
    // Sources: the vertical sheet's worked example (b 31,64, h 25,00, elevation 38,31) and the
    // horizontal one (h 6,2, b 7,9 at latitude 38, style 10).
    void styleTemplateIsFullSize_data()
    {
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("style");
        QTest::addColumn<QString>("angle");
        QTest::addColumn<QString>("measures");
        QTest::newRow("CurveVrt defaults") << true << 38.1217 << 40.32 << "38,31°"
                                           << "s = 40,32 mm, h = 25,00 mm, b = 31,64 mm";
        QTest::newRow("CurveOrizz defaults") << false << 38.0 << 10.0 << "38°" << "s = 10 mm, h = 6,2 mm, b = 7,9 mm";
        QTest::newRow("southern horizontal") << false << -38.0 << 10.0 << "38°" << "s = 10 mm, h = 6,2 mm, b = 7,9 mm";
    }
    void styleTemplateIsFullSize()
    {
        QFETCH(bool, vertical);
        QFETCH(double, lat);
        QFETCH(double, style);
        QFETCH(QString, angle);
        QFETCH(QString, measures);
        const DialDrawing dd = vertical ? BuildVerticalDialDrawing(lat, 38, style, WallSide::East)
                                        : BuildHorizontalDialDrawing(lat, style);
        double b = 0, h = 0;
        if (vertical) {
            const VerticalStyle vs = MakeVerticalStyle(lat, 38, style, 0);
            b = StyleBaseMm(vs);
            h = StyleHeightMm(vs);
        } else {
            b = style * std::cos(shadowframe::toRad(lat));
            h = style * std::sin(shadowframe::toRad(std::abs(lat)));
        }
        int triangles = 0;
        for (const auto &line : dd.drawing.lines) {
            if (!line.closed || line.points.size() != 3 || line.pen != DrawingPen::Construction)
                continue;
            const auto &p = line.points;
            HORALO_COMPARE_NEAR(dist(p[0], p[1]), b, 1e-9);
            HORALO_COMPARE_NEAR(dist(p[1], p[2]), h, 1e-9);
            HORALO_COMPARE_NEAR(dist(p[0], p[2]), style, 1e-9);
            // The right angle is at the foot.
            HORALO_COMPARE_NEAR((p[0].xMm - p[1].xMm) * (p[2].xMm - p[1].xMm) + (p[0].yMm - p[1].yMm) * (p[2].yMm - p[1].yMm),
                                0.0, 1e-9);
            ++triangles;
        }
        QCOMPARE(triangles, 1);
        QCOMPARE(textCount(dd, angle.toStdString()), 1);
        QCOMPARE(textCount(dd, measures.toStdString()), 1);
    }

    // What the title block and the labels say.
    void texts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<WallSide>("side");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("CurveOrizz defaults")
            << 0 << WallSide::East
            << QStringList{"Curve solstiziali ed equinoziali orizzontale", "Latitudine 38°", "Stilo 10 mm", "Scala 1:1",
                           "Solstizio estivo", "Equinozi", "Solstizio invernale", "Est", "Ovest", "6", "12", "18"};
        QTest::newRow("CurveVrt defaults East")
            << 1 << WallSide::East
            << QStringList{"Curve solstiziali ed equinoziali verticale", "Latitudine 38,1217°", "Declinazione 38° Est",
                           "Stilo 40,32 mm", "Scala 1:1", "Solstizio estivo", "Equinozi", "Solstizio invernale",
                           "Piede dello stilo", "5", "15"};
        QTest::newRow("ZodiacoVrt defaults West")
            << 2 << WallSide::West
            << QStringList{"Curve zodiacali e anniversario", "Latitudine 38,1167°", "Declinazione 38° Ovest",
                           "Gemelli e Leone", "Toro e Vergine", "Scorpione e Pesci", "Sagittario e Acquario",
                           "12 agosto", "9", "19"};
    }
    void texts()
    {
        QFETCH(int, kind);
        QFETCH(WallSide, side);
        QFETCH(QStringList, texts);
        const DialDrawing dd = kind == 0   ? BuildHorizontalDialDrawing(38, 10)
                               : kind == 1 ? BuildVerticalDialDrawing(38.1217, 38, 40.32, side)
                                           : BuildZodiacDialDrawing(38.1167, 38, 40.32, side, 20.16, 11.48, 15.0,
                                                                    "12 agosto");
        for (const QString &t : texts)
            QVERIFY2(textCount(dd, t.toStdString()) == 1, qPrintable(QStringLiteral("no single text \"%1\"").arg(t)));
        // "O" twice: beside the dial centre and at the style template's vertex.
        QCOMPARE(textCount(dd, "O"), 2);
        int nearCentre = 0;
        for (const auto &t : dd.drawing.texts)
            nearCentre += t.text == "O" && dist(t.at, dd.centre) < 20.0 ? 1 : 0;
        QCOMPARE(nearCentre, 1);
        // Each curve's label stands beside its own curve.
        for (const auto &c : dd.curves) {
            QVERIFY(!c.lines.empty());
            const auto &label = dd.drawing.texts[c.label];
            QCOMPARE(label.text, c.name);
            double nearest = INFINITY;
            for (const auto &p : curvePoints(dd, c))
                nearest = std::min(nearest, dist(p, label.at));
            QVERIFY2(nearest < 2.0, qPrintable(qs(c.name)));
        }
    }

    // The two functions the drawing added to the shared geometry, at any hour angle: the
    // horizontal dial's shadow half-line (beyond 6 o'clock too, where the shadow falls south
    // of the East-West line on a northern dial) and the Sun above a wall's horizon.
    void horizontalHourLineAtAnyHourAngle()
    {
        shadowframe::Uniform random(1202);
        double worst = 0;
        int checked = 0;
        for (int n = 0; n < 2000; ++n) {
            const double lat = random.in(-85.0, 85.0);
            const double h = random.in(-179.0, 179.0);
            if (std::abs(lat) < 0.5)
                continue;
            // The Sun of the declination that lights the dial best at that hour casts the shadow.
            const double decl = lat > 0 ? 23.45 : -23.45;
            const Independent s = horizontalShadow(lat, 1.0, 12.0 + h / 15.0, decl, INFINITY);
            if (!s.point)
                continue;
            const double want = fromNoonLineDeg(*s.point);
            double err = HorizontalHourLineDirectionDeg(lat, h) - want;
            err = std::remainder(err, 360.0);
            HORALO_COMPARE_NEAR(err, 0.0, 1e-9);
            worst = std::max(worst, std::abs(err));
            ++checked;
        }
        qInfo("%d horizontal half-lines against the shadow, worst %.3g deg", checked, worst);
        QVERIFY(checked > 500);
        // Beyond 6 o'clock on a northern dial the line runs below the East-West line.
        QVERIFY(HorizontalHourLineDirectionDeg(45, 100) > 90);
        QVERIFY(HorizontalHourLineDirectionDeg(45, -100) < -90);
    }

    void sunAboveTheWallsHorizon()
    {
        shadowframe::Uniform random(712);
        int above = 0, below = 0;
        for (int n = 0; n < 20000; ++n) {
            const double lat = random.in(0.5, 89.5), dcl = random.in(0.5, 89.5);
            const double clock = random.in(0.0, 24.0), decl = random.in(-23.45, 23.45);
            const VerticalStyle style = MakeVerticalStyle(lat, dcl, 40, 0);
            const double h = HourAngleRad(style, clock);
            const double fromNoon = shadowframe::rowHourAngleFromNoonDeg(lat, dcl, 0, clock);
            const double z = sunframe::sunDirection(lat, fromNoon, decl).z;
            if (std::abs(z) < kBoundarySine)
                continue;
            QCOMPARE(SunAboveHorizon(style, h, decl), z > 0);
            (z > 0 ? above : below) += 1;
        }
        QVERIFY(above > 1000 && below > 1000);
        QVERIFY(!SunAboveHorizon(MakeVerticalStyle(38, 38, 40, 0), NAN, 0));
    }

    // Regression: a curve that leaves the plane between two samples ends on the boundary, not
    // up to 5 minutes short of it. On the default East wall the winter Sun rises at about 7.20
    // while it is already in front of the wall: the curve starts on the horizon line, the tip's
    // depth s sin(latitude) below O.
    void curveStartsOnTheHorizonLine()
    {
        const DialDrawing dd = BuildVerticalDialDrawing(38.1217, 38, 40.32, WallSide::East);
        const DialCurve *winter = curveOf(dd, -23.45);
        QVERIFY(winter && !winter->lines.empty());
        const DrawingPoint first = rel(dd.drawing.lines[winter->lines.front()].points.front(), dd.centre);
        HORALO_COMPARE_NEAR(first.yMm, 40.32 * std::sin(shadowframe::toRad(38.1217)), 1e-6);
        // And the summer curve, running off towards the afternoon, ends on the reach circle.
        const DialCurve *summer = curveOf(dd, 23.45);
        QVERIFY(summer && !summer->lines.empty());
        const DrawingPoint last = rel(dd.drawing.lines[summer->lines.back()].points.back(), dd.centre);
        HORALO_COMPARE_NEAR(std::hypot(last.xMm, last.yMm), kDrawingReachStyles * 40.32, 1e-6);
    }
};

QTEST_APPLESS_MAIN(TestDialDrawing)
#include "test_dialdrawing.moc"
