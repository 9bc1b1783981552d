#include "drawing/sheetdrawing.h"
#include "drawing/sheetsketch.h"
#include "sheet/horizontalcurves.h"
#include "sheet/verticalcurves.h"
#include "sheet/zodiac.h"
#include "sheet/numbers.h"
#include "labelcheck.h"
#include "testsupport.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <random>

using drawing::SheetSketch;
using gnomonics::DialLine;
using gnomonics::DialPoint;
using gnomonics::LineFamily;
using sheet::WallSide;
using sheet::Refusal;

Q_DECLARE_METATYPE(WallSide)
Q_DECLARE_METATYPE(Refusal)

namespace {

const char *sideName(WallSide side) { return side == WallSide::East ? "East" : "West"; }

// How far from its line an hour number may stand on a sheet's drawing, mm, and the rounding
// allowed when two boxes are compared.
constexpr double kNearItsLineMm = 30.0;
constexpr double kRoundingMm = 1e-9;

// The drawing of one of the three sheets: 0 horizontal, 1 vertical curves, 2 zodiac (second
// sign 11.48).
SheetSketch sheetOf(int kind, double lat, double dcl, double style, WallSide side, double sign1,
                    double anniversary, const std::string &label = "Anniversario")
{
    if (kind == 0)
        return drawing::BuildHorizontalSheetSketch(lat, style);
    if (kind == 1)
        return drawing::BuildVerticalSheetSketch(lat, dcl, style, side);
    return drawing::BuildZodiacSheetSketch(lat, dcl, style, side, sign1, 11.48, anniversary, label);
}

// The sheet's curve drawn at that declination, or nothing.
const DialLine *curveAt(const SheetSketch &s, double declinationDeg)
{
    for (const DialLine &l : s.dial.lines)
        if (l.family == LineFamily::DateLine && std::abs(l.dateLine.declinationDeg - declinationDeg) < 1e-12)
            return &l;
    return nullptr;
}

// The hour line a number on the drawing names, or nothing.
const DialLine *hourOf(const SheetSketch &s, const std::string &text)
{
    for (const DialLine &l : s.dial.lines)
        if (l.family == LineFamily::ApparentTime && !l.pieces.empty() && drawing::ShownLineLabel(l, false) == text)
            return &l;
    return nullptr;
}

// The point of a curve at a whole hour of apparent time: every fifth minute is a sample, so a
// whole hour is a point of the line when the Sun shines on it then.
std::optional<DialPoint> pointAtHour(const DialLine &curve, int hour)
{
    for (const auto &piece : curve.pieces)
        for (const DialPoint &p : piece)
            if (std::abs(p.apparentHours - hour) < 1e-9)
                return p;
    return std::nullopt;
}

double fromCentre(const SheetSketch &s, const DialPoint &p)
{
    return std::hypot(p.xMm - s.dial.plane.centre.xMm, p.yMm - s.dial.plane.centre.yMm);
}

// Where the Sun stands for a wall declining East (negative) or West (positive), in plain
// East-North-Up vectors: its altitude, and the cosine of its angle to the wall's normal.
struct Sky {
    double altitudeSine;
    double towardsWall;
};
Sky skyFor(double latDeg, double wallDeclinationDeg, double hourAngleDeg, double sunDeclinationDeg)
{
    const double r = M_PI / 180.0;
    const double phi = latDeg * r, h = hourAngleDeg * r, d = sunDeclinationDeg * r, w = wallDeclinationDeg * r;
    const double e = -std::cos(d) * std::sin(h);
    const double n = std::cos(phi) * std::sin(d) - std::sin(phi) * std::cos(d) * std::cos(h);
    const double u = std::sin(phi) * std::sin(d) + std::cos(phi) * std::cos(d) * std::cos(h);
    // The wall's outward normal: South turned towards the West by the declination.
    return {u, -std::sin(w) * e - std::cos(w) * n};
}

// Compares every whole hour of one curve with the sheet's column: where the table shows a
// number the drawing has the point at that distance from O (within the table's rounding and
// the rounded substyle time angle the vertical tables count hours from), unless it lies beyond
// the reach; where the table shows a dash, or the Sun is down, there is no point.
// Counts the distances compared, so that a case that compares nothing fails.
int gCompared = 0;

void compareColumn(const SheetSketch &s, const DialLine &curve, int hour, const std::string &cell,
                   double halfUnit, const Sky &sky, const QString &where)
{
    const auto shown = sheet::ReadNumber(cell);
    const auto point = pointAtHour(curve, hour);
    const double reach = drawing::kSheetReachStyles * s.dial.plane.styleLengthMm;
    if (std::abs(sky.altitudeSine) < 1e-6 || std::abs(sky.towardsWall) < 1e-6)
        return; // the Sun on the horizon or grazing the wall: either answer is right
    if (point) {
        QVERIFY2(sky.altitudeSine > 0 && sky.towardsWall > 0, qPrintable(where + ": a point where the Sun is not"));
        QVERIFY2(shown, qPrintable(where + ": a point where the sheet shows " + qs(cell)));
        const double d = fromCentre(s, *point);
        ++gCompared;
        QVERIFY2(std::abs(d - *shown) <= halfUnit + 0.01 + 2e-5 * d,
                 qPrintable(where + QStringLiteral(": %1 mm from O, the sheet %2").arg(d, 0, 'f', 4).arg(qs(cell))));
    } else if (shown && sky.altitudeSine > 0 && sky.towardsWall > 0) {
        QVERIFY2(*shown > reach - 0.1, qPrintable(where + ": no point, but the sheet shows " + qs(cell)));
    }
}

} // namespace

class SheetSketchTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Horizontal dials: every whole hour of both solstice curves and the equinox noon against
    // the curve sheet, named by their day whatever the hemisphere.
    void horizontalAgainstTheSheet_data()
    {
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("style");
        QTest::newRow("worked example lat 38 style 10") << 38.0 << 10.0;
        QTest::newRow("lat 45 style 25") << 45.0 << 25.0;
        QTest::newRow("lat 60 style 10: the 6 o'clock Sun is up") << 60.0 << 10.0;
        QTest::newRow("lat 80: the winter Sun never rises") << 80.0 << 10.0;
        QTest::newRow("southern dial lat -38") << -38.0 << 10.0;
        QTest::newRow("southern dial lat -60 style 15") << -60.0 << 15.0;
        QTest::newRow("near the equator lat 10 style 30") << 10.0 << 30.0;
    }
    void horizontalAgainstTheSheet()
    {
        QFETCH(double, lat);
        QFETCH(double, style);
        const SheetSketch s = drawing::BuildHorizontalSheetSketch(lat, style);
        QCOMPARE(s.refusal, Refusal::None);
        gCompared = 0;
        const auto table = sheet::ComputeHorizontalCurves(lat, style);
        for (double dcl : {sheet::kSummerSolsticeDeclinationDeg, sheet::kWinterSolsticeDeclinationDeg}) {
            const DialLine *curve = curveAt(s, dcl);
            QVERIFY(curve);
            // Named by its day: June's curve is "21 giugno" north and south of the equator.
            QCOMPARE(drawing::ShownLineLabel(*curve, false), std::string(dcl > 0 ? "21 giugno" : "21 dicembre"));
            const auto &column = (dcl > 0) == (lat > 0) ? table.summer : table.winter;
            for (int t = 6; t <= 18; ++t) {
                const std::string &cell = column[static_cast<std::size_t>(t - 6)];
                const double half = cell.find(',') == cell.size() - 2 ? 0.05 : 0.005;
                const Sky sky = skyFor(lat, 0, 15.0 * (t - 12), dcl);
                // Above the horizon is the horizontal dial's lit face.
                compareColumn(s, *curve, t, cell, half, {sky.altitudeSine, sky.altitudeSine},
                              QStringLiteral("curve %1 at %2").arg(dcl).arg(t));
            }
        }
        const DialLine *equinox = curveAt(s, 0.0);
        QVERIFY(equinox);
        QCOMPARE(drawing::ShownLineLabel(*equinox, false), std::string("Equinozi"));
        const Sky noon = skyFor(lat, 0, 0, 0);
        compareColumn(s, *equinox, 12, table.equinoxNoon, 0.005, {noon.altitudeSine, noon.altitudeSine},
                      QStringLiteral("equinox noon"));
        QVERIFY(gCompared >= 10);
        qInfo("%d distances compared", gCompared);
    }

    // Vertical walls, both sides: every whole hour of every curve against the cells of the
    // vertical curve sheet ("#0.0") and the zodiac sheet ("#0.00"), the West rows relabelled
    // 24 - t as the sheets print them.
    void verticalAgainstTheSheets_data()
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
            QTest::addRow("CurveVrt wall facing South, %s", sideName(side))
                << false << 44.5 << 0.0 << 60.0 << side << 0.0 << 0.0 << 0.0;
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
    void verticalAgainstTheSheets()
    {
        QFETCH(bool, zodiac);
        QFETCH(double, lat);
        QFETCH(double, dcl);
        QFETCH(double, style);
        QFETCH(WallSide, side);
        QFETCH(double, d1);
        QFETCH(double, d2);
        QFETCH(double, d5);
        const SheetSketch s = zodiac ? drawing::BuildZodiacSheetSketch(lat, dcl, style, side, d1, d2, d5, "Anniversario")
                                     : drawing::BuildVerticalSheetSketch(lat, dcl, style, side);
        QCOMPARE(s.refusal, Refusal::None);
        std::vector<double> columns;
        std::vector<std::vector<std::string>> cells(sheet::kVerticalRows);
        if (zodiac) {
            const auto z = sheet::ComputeZodiacSheet(lat, dcl, style, 0, d1, d2, d5);
            for (double d : sheet::ZodiacDeclinationsDeg(d1, d2, d5))
                columns.push_back(d);
            for (int r = 0; r < sheet::kVerticalRows; ++r)
                cells[r].assign(z.cells[r].begin(), z.cells[r].end());
        } else {
            const auto v = sheet::ComputeVerticalCurves(lat, dcl, style, 0);
            columns.assign(sheet::kSolsticeDeclinationsDeg.begin(), sheet::kSolsticeDeclinationsDeg.end());
            for (int r = 0; r < sheet::kVerticalRows; ++r)
                cells[r].assign(v.cells[r].begin(), v.cells[r].end());
        }
        const double signedWall = side == WallSide::East ? -dcl : dcl;
        gCompared = 0;
        for (std::size_t col = 0; col < columns.size(); ++col) {
            const DialLine *curve = curveAt(s, columns[col]);
            QVERIFY(curve);
            for (int row = 0; row < sheet::kVerticalRows; ++row) {
                const int eastHour = sheet::kVerticalFirstHour + row;
                const int hour = side == WallSide::East ? eastHour : 24 - eastHour;
                compareColumn(s, *curve, hour, cells[row][col], zodiac ? 0.005 : 0.05,
                              skyFor(lat, signedWall, 15.0 * (hour - 12), columns[col]),
                              QStringLiteral("column %1 at %2").arg(col + 1).arg(hour));
            }
        }
        QVERIFY(gCompared >= 20);
        qInfo("%d distances compared", gCompared);
    }

    // What the maker reads: the sheet's title with its side, the inputs as the sheet shows
    // them, the hour labels of the table's hours only, the curves by day or sign, no plate.
    void whatTheDrawingSays_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("dcl");
        QTest::addColumn<double>("style");
        QTest::addColumn<WallSide>("side");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("texts");
        const QString reach484 = "Linee fermate a 484 mm da O (12 volte lo stilo): oltre, l'ombra corre via";
        QTest::newRow("horizontal") << 0 << 38.0 << 0.0 << 10.0 << WallSide::East << "Disegno curve orizzontali"
                                    << QStringList{"Curve solstiziali ed equinoziali orizzontale", "Latitudine 38°",
                                                   "Stilo 10 mm", "21 giugno", "21 dicembre", "Equinozi", "12",
                                                   "Linee fermate a 120 mm da O (12 volte lo stilo): oltre, l'ombra corre via"};
        QTest::newRow("vertical East") << 1 << 38.1217 << 38.0 << 40.32 << WallSide::East << "Disegno curve verticali Est"
                                       << QStringList{"Latitudine 38,1217°", "Declinazione 38° Est", "Stilo 40,32 mm",
                                                      "21 giugno", "Equinozi", "100 mm", "Alto", reach484};
        QTest::newRow("vertical West") << 1 << 38.1217 << 38.0 << 40.32 << WallSide::West << "Disegno curve verticali Ovest"
                                       << QStringList{"Declinazione 38° Ovest", "21 dicembre", "19"};
        // A wall that does not decline turns to neither side: no side in the title.
        QTest::newRow("vertical facing South") << 1 << 45.0 << 0.0 << 40.32 << WallSide::West << "Disegno curve verticali"
                                               << QStringList{"Declinazione 0°", "21 giugno", "12", reach484};
        QTest::newRow("zodiac") << 2 << 38.1167 << 38.0 << 40.32 << WallSide::West << "Disegno curve zodiacali Ovest"
                                << QStringList{"Curve zodiacali e anniversario", "Gemelli e Leone", "Toro e Vergine",
                                               "12/05/2024", "Curve per declinazioni del Sole di 20,16°, 11,48°, -11,48°, -20,16°, 15°"};
        // At 65 degrees the winter Sun barely clears the horizon at noon: its shadow falls
        // beyond the reach and the block says that the curve is not drawn.
        QTest::newRow("horizontal 65: no winter curve") << 0 << 65.0 << 0.0 << 30.0 << WallSide::East
                                                         << "Disegno curve orizzontali"
                                                         << QStringList{"21 giugno", "Equinozi",
                                                                        "Non disegnate (Sole sotto l'orizzonte o ombra oltre il limite): 21 dicembre"};
    }
    void whatTheDrawingSays()
    {
        QFETCH(int, kind);
        QFETCH(double, lat);
        QFETCH(double, dcl);
        QFETCH(double, style);
        QFETCH(WallSide, side);
        QFETCH(QString, title);
        QFETCH(QStringList, texts);
        const SheetSketch s = sheetOf(kind, lat, dcl, style, side, 20.16, 15.0, "12/05/2024");
        QCOMPARE(s.refusal, Refusal::None);
        QCOMPARE(qs(s.sketch.title), title);
        QStringList shown;
        for (const auto &l : s.sketch.labels)
            shown << qs(l.text);
        for (const QString &t : texts)
            QVERIFY2(shown.contains(t), qPrintable(t + " is not in " + shown.join(" | ")));
        const auto [first, last] = kind == 0 ? std::pair{6, 18} : std::pair{5, 19};
        for (const DialLine &l : s.dial.lines) {
            if (l.family == LineFamily::ApparentTime) {
                QVERIFY(l.hour >= first && l.hour <= last && l.hour == std::floor(l.hour));
                QVERIFY(!l.pieces.empty());
            }
        }
        for (const auto &l : s.sketch.lines)
            QVERIFY2(l.layer != drawing::Layer::Plate, "a sheet's dial has no plate");
    }

    // Every point finite, within the reach of O, and inside the drawing; the page the window
    // shows starts at (0, 0) and holds everything.
    void insideTheReachAndThePage_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("dcl");
        QTest::addColumn<double>("style");
        QTest::newRow("horizontal near the pole") << 0 << 89.9 << 0.0 << 10.0;
        QTest::newRow("horizontal near the equator") << 0 << 0.5 << 0.0 << 10.0;
        QTest::newRow("horizontal longest style") << 0 << 60.0 << 0.0 << 10000.0;
        QTest::newRow("vertical almost polar") << 1 << 1.0 << 0.0000001 << 10000.0;
        QTest::newRow("vertical declining 89") << 1 << 45.0 << 89.0 << 40.0;
        QTest::newRow("zodiac defaults") << 2 << 38.1167 << 38.0 << 40.32;
    }
    void insideTheReachAndThePage()
    {
        QFETCH(int, kind);
        QFETCH(double, lat);
        QFETCH(double, dcl);
        QFETCH(double, style);
        for (WallSide side : {WallSide::East, WallSide::West}) {
            const SheetSketch s = sheetOf(kind, lat, dcl, style, side, 20.16, 0.0);
            QCOMPARE(s.refusal, Refusal::None);
            const double reach = drawing::kSheetReachStyles * style;
            for (const DialLine &l : s.dial.lines)
                for (const auto &piece : l.pieces)
                    for (const DialPoint &p : piece) {
                        QVERIFY(std::isfinite(p.xMm) && std::isfinite(p.yMm));
                        QVERIFY2(fromCentre(s, p) <= reach * (1 + 1e-12), "a point beyond the reach");
                    }
            const drawing::Drawing page = drawing::ToSheetDrawing(s.sketch);
            QVERIFY(page.widthMm > 0 && page.heightMm > 0 && std::isfinite(page.widthMm) && std::isfinite(page.heightMm));
            auto inside = [&](drawing::DrawingPoint q) {
                return q.xMm >= -1e-6 && q.yMm >= -1e-6 && q.xMm <= page.widthMm + 1e-6 && q.yMm <= page.heightMm + 1e-6;
            };
            for (const auto &l : page.lines)
                for (const auto &q : l.points)
                    QVERIFY(inside(q));
            for (const auto &t : page.texts)
                QVERIFY(inside(t.at));
        }
    }

    // Each hour label stands nearer its own line (or its line's prolongation beyond an end)
    // than any other hour line: where the lines crowd (a small style, a wall that declines
    // far) a label must never read as the neighbour's.
    void hourLabelsReadAsTheirOwnLine_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("dcl");
        QTest::addColumn<double>("style");
        QTest::addColumn<WallSide>("side");
        QTest::newRow("horizontal 38, style 10: the noon fan") << 0 << 38.0 << 0.0 << 10.0 << WallSide::East;
        QTest::newRow("horizontal 65") << 0 << 65.0 << 0.0 << 30.0 << WallSide::East;
        QTest::newRow("wall 52, declining 70 West: the evening fan") << 1 << 52.0 << 70.0 << 50.0 << WallSide::West;
        QTest::newRow("CurveVrt defaults East") << 1 << 38.1217 << 38.0 << 40.32 << WallSide::East;
        QTest::newRow("wall facing South") << 1 << 45.0 << 0.0 << 80.0 << WallSide::East;
        QTest::newRow("zodiac defaults West") << 2 << 38.1167 << 38.0 << 40.32 << WallSide::West;
    }
    void hourLabelsReadAsTheirOwnLine()
    {
        QFETCH(int, kind);
        QFETCH(double, lat);
        QFETCH(double, dcl);
        QFETCH(double, style);
        QFETCH(WallSide, side);
        const SheetSketch s = sheetOf(kind, lat, dcl, style, side, 20.16, 0.0);
        QCOMPARE(s.refusal, Refusal::None);
        using drawing::Pt;
        auto toSegment = [](Pt c, Pt a, Pt b) {
            const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
            const double t = len2 > 0 ? std::clamp(((c.x - a.x) * dx + (c.y - a.y) * dy) / len2, 0.0, 1.0) : 0.0;
            return std::hypot(c.x - a.x - t * dx, c.y - a.y - t * dy);
        };
        auto toLine = [&](Pt c, const DialLine &l, bool prolonged) {
            double best = 1e300;
            for (const auto &piece : l.pieces)
                for (std::size_t i = 0; i + 1 < piece.size(); ++i) {
                    const Pt a{piece[i].xMm, piece[i].yMm}, b{piece[i + 1].xMm, piece[i + 1].yMm};
                    best = std::min(best, toSegment(c, a, b));
                    const bool end = i + 2 == piece.size(), start = i == 0;
                    if (prolonged && (start || end)) {
                        // The line taken on beyond that end.
                        const Pt tip = end ? b : a, from = end ? a : b;
                        const Pt far{tip.x + 1e4 * (tip.x - from.x), tip.y + 1e4 * (tip.y - from.y)};
                        best = std::min(best, toSegment(c, tip, far));
                    }
                }
            return best;
        };
        int labels = 0;
        for (const auto &label : s.sketch.labels) {
            const DialLine *own = nullptr;
            for (const DialLine &l : s.dial.lines)
                if (l.family == LineFamily::ApparentTime && drawing::ShownLineLabel(l, false) == label.text &&
                    label.layer == drawing::Layer::Hours)
                    own = &l;
            if (!own)
                continue;
            const drawing::Box b = label.box();
            const Pt c{(b.left + b.right) / 2, (b.bottom + b.top) / 2};
            const double mine = toLine(c, *own, true);
            for (const DialLine &l : s.dial.lines)
                if (l.family == LineFamily::ApparentTime && &l != own)
                    QVERIFY2(toLine(c, l, false) > mine,
                             qPrintable(QStringLiteral("label %1 is nearer the line of %2").arg(qs(label.text)).arg(l.hour)));
            ++labels;
        }
        QVERIFY(labels >= 5);
    }

    // Every hour line keeps its number, however short the lines near F: beside its line, a
    // size smaller, or apart with a leader that ends on it; never nearer another hour line than
    // its own; no number over another. The dials where numbers were lost, then a spread of
    // sheets at random.
    void everyHourLineKeepsItsNumber_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("lat");
        QTest::addColumn<double>("dcl");
        QTest::addColumn<double>("style");
        QTest::addColumn<WallSide>("side");
        QTest::newRow("CurveOrizz lat 1, style 300: lines of 4,6 mm at F") << 0 << 1.0 << 0.0 << 300.0 << WallSide::East;
        QTest::newRow("CurveVrt 60 / 89 West / 50: 16 to 19") << 1 << 60.0 << 89.0 << 50.0 << WallSide::West;
        QTest::newRow("CurveVrt 89 / 45 East / 20: 10 to 13") << 1 << 89.0 << 45.0 << 20.0 << WallSide::East;
        QTest::newRow("CurveVrt 45,1819 / 80,2569 West / 263,89: 18") << 1 << 45.1819 << 80.2569 << 263.89 << WallSide::West;
        std::mt19937 random(1819);
        std::uniform_real_distribution<double> lat(-80, 80), dcl(0, 89.9), style(5, 400);
        for (int k = 0; k < 12; ++k) {
            const int kind = k % 3;
            // The wall sheets are for the northern hemisphere.
            const double drawn = std::round(lat(random) * 100) / 100;
            const double la = kind == 0 ? drawn : std::max(1.0, std::abs(drawn));
            const double dc = std::round(dcl(random) * 100) / 100;
            const double st = std::round(style(random) * 10) / 10;
            const WallSide side = k % 2 ? WallSide::West : WallSide::East;
            QTest::addRow("random %d: kind %d lat %.2f decl %.2f %s style %.1f", k, kind, la, dc, sideName(side), st)
                << kind << (la == 0 ? 1.0 : la) << dc << st << side;
        }
    }
    void everyHourLineKeepsItsNumber()
    {
        QFETCH(int, kind);
        QFETCH(double, lat);
        QFETCH(double, dcl);
        QFETCH(double, style);
        QFETCH(WallSide, side);
        const SheetSketch s = sheetOf(kind, lat, dcl, style, side, 20.16, 15.0);
        QCOMPARE(s.refusal, Refusal::None);
        const QStringList faults = labelcheck::labelFaults(s.dial, s.sketch, false);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        int hours = 0;
        for (const DialLine &l : s.dial.lines)
            if (l.family == LineFamily::ApparentTime)
                ++hours;
        QVERIFY(hours > 0);

        // Each number stands near its line: a number sent a hand's breadth off, at the end of
        // a leader as long as an hour line, is read against the wrong line (the numbers of the
        // short lines near F stood 50 to 260 mm away). Near means within 30 mm of it, or four
        // of the drawing's largest numbers on a drawing whose numbers are larger than 7,5 mm.
        std::vector<const drawing::Label *> numbers;
        double largest = 0;
        for (const drawing::Label &label : s.sketch.labels)
            if (label.layer == drawing::Layer::Hours && hourOf(s, label.text)) {
                numbers.push_back(&label);
                largest = std::max(largest, label.heightMm);
            }
        const double nearMm = std::max(kNearItsLineMm, 4 * largest);
        for (const drawing::Label *label : numbers) {
            const drawing::Box b = label->box();
            const drawing::Pt c{(b.left + b.right) / 2, (b.bottom + b.top) / 2};
            const double d = labelcheck::toLine(c, *hourOf(s, label->text));
            QVERIFY2(d <= nearMm, qPrintable(QStringLiteral("'%1' stands %2 mm from its line")
                                                 .arg(qs(label->text)).arg(d, 0, 'f', 1)));
        }
        // Two numbers on one baseline stand a space apart: "15" beside "16" must not read
        // as 1516.
        for (const drawing::Label *a : numbers)
            for (const drawing::Label *b : numbers) {
                if (a == b)
                    continue;
                const drawing::Box p = a->box(), q = b->box();
                const double shared = std::min(p.top, q.top) - std::max(p.bottom, q.bottom);
                if (shared < 0.5 * std::min(a->heightMm, b->heightMm) || q.left < p.left)
                    continue;
                const double space = 0.3 * std::min(a->heightMm, b->heightMm);
                QVERIFY2(q.left - p.right >= space - kRoundingMm,
                         qPrintable(QStringLiteral("'%1' and '%2' stand %3 mm apart on one baseline")
                                        .arg(qs(a->text), qs(b->text)).arg(q.left - p.right, 0, 'f', 2)));
            }
    }

    // On the wall 45,1819 / 80,2569 West the 18 line runs from the horizon to the winter curve:
    // its number stands by it on the lit side, not across the horizon line.
    void eighteenStandsByItsLine()
    {
        const SheetSketch s = drawing::BuildVerticalSheetSketch(45.1819, 80.2569, 263.89, WallSide::West);
        QCOMPARE(s.refusal, Refusal::None);
        const auto label = std::find_if(s.sketch.labels.begin(), s.sketch.labels.end(), [](const drawing::Label &l) {
            return l.text == "18" && l.layer == drawing::Layer::Hours;
        });
        QVERIFY(label != s.sketch.labels.end());
        const auto line = std::find_if(s.dial.lines.begin(), s.dial.lines.end(), [](const DialLine &l) {
            return l.family == LineFamily::ApparentTime && l.hour == 18;
        });
        QVERIFY(line != s.dial.lines.end());
        const drawing::Box b = label->box();
        QCOMPARE_LE(b.top, 0.0); // below the horizon line, y = 0 through F
        const drawing::Pt c{(b.left + b.right) / 2, (b.bottom + b.top) / 2};
        constexpr double kNextToItMm = 2 * 12.0; // two label heights of this sheet at most
        QCOMPARE_LE(labelcheck::toLine(c, *line), kNextToItMm);
    }

    // A wall declining West is the mirror image of the same wall declining East about the
    // vertical through the foot, its hours read 24 - t.
    void westIsTheMirrorOfEast()
    {
        const SheetSketch east = drawing::BuildVerticalSheetSketch(44.5, 25, 60, WallSide::East);
        const SheetSketch west = drawing::BuildVerticalSheetSketch(44.5, 25, 60, WallSide::West);
        for (double dcl : sheet::kSolsticeDeclinationsDeg) {
            const DialLine *e = curveAt(east, dcl);
            const DialLine *w = curveAt(west, dcl);
            QVERIFY(e && w);
            int compared = 0;
            for (int t = 5; t <= 19; ++t) {
                const auto pe = pointAtHour(*e, t);
                const auto pw = pointAtHour(*w, 24 - t);
                QCOMPARE(pe.has_value(), pw.has_value());
                if (!pe)
                    continue;
                HORALO_COMPARE_NEAR(pw->xMm, -pe->xMm, 1e-9);
                HORALO_COMPARE_NEAR(pw->yMm, pe->yMm, 1e-9);
                ++compared;
            }
            QVERIFY(compared > 0);
        }
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
        QTest::newRow("horizontal negative style") << 0 << 38.0 << 0.0 << -10.0 << 0.0 << 0.0 << Refusal::Negative;
        QTest::newRow("horizontal latitude 90") << 0 << 90.0 << 0.0 << 10.0 << 0.0 << 0.0 << Refusal::OutOfRange;
        QTest::newRow("horizontal latitude -95") << 0 << -95.0 << 0.0 << 10.0 << 0.0 << 0.0 << Refusal::OutOfRange;
        QTest::newRow("horizontal latitude NaN") << 0 << nan << 0.0 << 10.0 << 0.0 << 0.0 << Refusal::OutOfRange;
        QTest::newRow("horizontal style infinite") << 0 << 38.0 << 0.0 << inf << 0.0 << 0.0 << Refusal::OutOfRange;
        QTest::newRow("horizontal southern latitude drawn") << 0 << -38.0 << 0.0 << 10.0 << 0.0 << 0.0 << Refusal::None;
        // Near the equator the style lies almost in the plane: a nodus of 0,0114 mm (latitude
        // 0,01, style 65,3) is still drawn, one of a hundred-millionth of a millimetre is not.
        QTest::newRow("horizontal nodus just over 0,01 mm drawn") << 0 << 0.01 << 0.0 << 65.3 << 0.0 << 0.0 << Refusal::None;
        QTest::newRow("horizontal nodus below 0,01 mm") << 0 << 1e-5 << 0.0 << 35.0 << 0.0 << 0.0 << Refusal::OutOfRange;
        QTest::newRow("horizontal latitude 4e-176") << 0 << -4.2427832837384405e-176 << 0.0 << 35.36 << 0.0 << 0.0 << Refusal::OutOfRange;
        QTest::newRow("vertical latitude 0 is missing") << 1 << 0.0 << 38.0 << 40.32 << 0.0 << 0.0 << Refusal::Missing;
        QTest::newRow("vertical declination 0 drawn") << 1 << 38.0 << 0.0 << 40.32 << 0.0 << 0.0 << Refusal::None;
        QTest::newRow("vertical negative latitude") << 1 << -38.0 << 38.0 << 40.32 << 0.0 << 0.0 << Refusal::Negative;
        QTest::newRow("vertical declination 90") << 1 << 38.0 << 90.0 << 40.32 << 0.0 << 0.0 << Refusal::OutOfRange;
        QTest::newRow("vertical declination NaN") << 1 << 38.0 << nan << 40.32 << 0.0 << 0.0 << Refusal::OutOfRange;
        QTest::newRow("vertical style infinite") << 1 << 38.0 << 38.0 << inf << 0.0 << 0.0 << Refusal::OutOfRange;
        QTest::newRow("zodiac sign NaN") << 2 << 38.0 << 38.0 << 40.32 << nan << 0.0 << Refusal::OutOfRange;
        QTest::newRow("zodiac sign 90") << 2 << 38.0 << 38.0 << 40.32 << 90.0 << 0.0 << Refusal::OutOfRange;
        QTest::newRow("zodiac anniversary -90") << 2 << 38.0 << 38.0 << 40.32 << 20.16 << -90.0 << Refusal::OutOfRange;
        QTest::newRow("zodiac negative sign drawn") << 2 << 38.0 << 38.0 << 40.32 << -5.0 << -20.0 << Refusal::None;
        // A style no one builds: the last millimetre drawn, the next refused.
        QTest::newRow("horizontal style 10000 drawn") << 0 << 60.0 << 0.0 << 10000.0 << 0.0 << 0.0 << Refusal::None;
        QTest::newRow("horizontal style just over 10000") << 0 << 60.0 << 0.0 << 10000.001 << 0.0 << 0.0 << Refusal::StyleTooLong;
        QTest::newRow("vertical style near the largest double") << 1 << 89.0 << 1e-7 << 1.7976931348623157e308 << 0.0 << 0.0 << Refusal::StyleTooLong;
        QTest::newRow("vertical missing before too long") << 1 << 0.0 << 38.0 << 1e9 << 0.0 << 0.0 << Refusal::Missing;
        QTest::newRow("zodiac style 1000000000") << 2 << 52.3 << 1.0 << 1e9 << 20.16 << 0.0 << Refusal::StyleTooLong;
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
            const SheetSketch s = sheetOf(kind, lat, dcl, style, side, sign1, anniversary);
            QCOMPARE(s.refusal, refusal);
            QCOMPARE(s.sketch.lines.empty(), refusal != Refusal::None);
            QCOMPARE(s.sketch.labels.empty(), refusal != Refusal::None);
        }
    }
};

QTEST_GUILESS_MAIN(SheetSketchTest)
#include "test_sheetsketch.moc"
