#include "shell/examplefigures.h"

#include "gnomonics/plane.h"

#include <QLineF>
#include <QtMath>

#include <cmath>

namespace shell {

namespace {

using gnomonics::Point2;

// How a dial's frame (mm from the foot F, x right, y up) lands on the picture: O at a chosen
// pixel, a chosen number of pixels per mm, and for a horizontal dial a half turn, so that its
// noon line runs down the picture from O as the sheet's drawing shows it. A half turn is a
// rotation, never a mirror: the picture stays true.
struct Placement {
    gnomonics::DialPlane plane;
    QPointF centre;
    double pixelsPerMm = 1;
    bool halfTurn = false;

    QPointF pixel(Point2 p) const
    {
        const double dx = (p.xMm - plane.centre.xMm) * pixelsPerMm;
        const double dy = (p.yMm - plane.centre.yMm) * pixelsPerMm;
        return halfTurn ? centre + QPointF(-dx, dy) : centre + QPointF(dx, -dy);
    }
};

gnomonics::DialPlane planeFor(double inclinationDeg)
{
    gnomonics::PlaneInput input;
    input.latitudeDeg = kExampleLatitudeDeg;
    input.declinationDeg = 0;
    input.inclinationDeg = inclinationDeg;
    input.gnomon = gnomonics::GnomonSize::NodusHeight;
    input.sizeMm = 1;
    return gnomonics::MakeDialPlane(input).plane;
}

// The hour line of hour angle H (degrees, West positive) as a segment from O, long enough to
// leave the plot. Its direction is the engine's angle from the noon line, turned the way the
// afternoon lies on this picture (found from the 13 o'clock shadow).
QPolygonF hourLine(const Placement &at, double hourAngleDeg, double lengthPx)
{
    const auto noon = gnomonics::NodusShadowAt(at.plane, 0, 0);
    const auto afternoon = gnomonics::NodusShadowAt(at.plane, 15, 0);
    if (!noon || !afternoon)
        return {};
    const QLineF noonRay(at.centre, at.pixel(*noon));
    const QLineF afternoonRay(at.centre, at.pixel(*afternoon));
    // QLineF angles turn counter-clockwise on the screen; the afternoon may lie either way.
    const double turn = std::remainder(afternoonRay.angle() - noonRay.angle(), 360.0) > 0 ? 1 : -1;
    QLineF ray = QLineF::fromPolar(lengthPx, noonRay.angle() + turn * gnomonics::HourLineAngleDeg(at.plane, hourAngleDeg));
    ray.translate(at.centre);
    return QPolygonF({ray.p1(), ray.p2()});
}

// The shadows of the nodus through the day of one declination, every half degree of hour
// angle, cut where the Sun sets or leaves the face or the point runs far off the picture.
std::vector<ExampleLine> dateLine(const Placement &at, double declinationDeg, const QRectF &reach)
{
    std::vector<ExampleLine> pieces;
    QPolygonF piece;
    auto close = [&] {
        if (piece.size() > 1)
            pieces.push_back({QString(), piece, declinationDeg});
        piece.clear();
    };
    for (double h = -180; h <= 180.0; h += 0.5) {
        const auto shadow = gnomonics::NodusShadowAt(at.plane, h, declinationDeg);
        const QPointF p = shadow ? at.pixel(*shadow) : QPointF();
        if (shadow && reach.contains(p))
            piece << p;
        else
            close();
    }
    close();
    return pieces;
}

void addDates(ExampleFigure &figure, const Placement &at, std::initializer_list<double> declinationsDeg)
{
    // Far enough beyond the plot that the clipped line leaves it at its true slope.
    const QRectF reach = figure.plot.adjusted(-figure.plot.width(), -figure.plot.height(), figure.plot.width(),
                                              figure.plot.height());
    for (double d : declinationsDeg)
        for (ExampleLine &piece : dateLine(at, d, reach))
            figure.dates.push_back(std::move(piece));
}

void addPoint(ExampleFigure &figure, const Placement &at, const QString &label, double hourAngleDeg, double declinationDeg)
{
    if (const auto shadow = gnomonics::NodusShadowAt(at.plane, hourAngleDeg, declinationDeg))
        figure.points.push_back({label, at.pixel(*shadow), declinationDeg});
}

// The frame shared by the curve pictures: O, the line of 6 and 18 through it, the noon line and
// the sample hour line.
ExampleFigure curvesFrame(const Placement &at, double sampleHourAngleDeg, const QString &sampleLabel)
{
    ExampleFigure figure;
    figure.plot = QRectF(20, 30, 420, 272);
    figure.centre = at.centre;
    const double length = 2 * figure.plot.width();
    figure.hours.push_back({QStringLiteral("6"), hourLine(at, -90, length), 0});
    figure.hours.push_back({QStringLiteral("18"), hourLine(at, 90, length), 0});
    figure.hours.push_back({QStringLiteral("12"), hourLine(at, 0, length), 0});
    figure.hours.push_back({sampleLabel, hourLine(at, sampleHourAngleDeg, length), 0});
    return figure;
}

} // namespace

ExampleFigure HorizontalCurvesExample()
{
    // Nodus 70 px high: the winter noon point, 3.1 heights from O at latitude 38, stays inside.
    const Placement at{planeFor(90), QPointF(230, 50), 70, true};
    ExampleFigure figure = curvesFrame(at, 15, QStringLiteral("13"));
    addDates(figure, at, {kExampleSolsticeDeg, 0, -kExampleSolsticeDeg});
    addPoint(figure, at, QStringLiteral("A"), 15, kExampleSolsticeDeg);
    addPoint(figure, at, QStringLiteral("B"), 15, 0);
    addPoint(figure, at, QStringLiteral("C"), 15, -kExampleSolsticeDeg);
    return figure;
}

ExampleFigure VerticalCurvesExample()
{
    // Nodus 46 px from the wall: the summer noon point, 4.6 heights below O, stays inside.
    const Placement at{planeFor(0), QPointF(230, 50), 46, false};
    ExampleFigure figure = curvesFrame(at, -15, QStringLiteral("11"));
    addDates(figure, at, {kExampleSolsticeDeg, 0, -kExampleSolsticeDeg});
    addPoint(figure, at, QStringLiteral("A"), -15, kExampleSolsticeDeg);
    addPoint(figure, at, QStringLiteral("B"), -15, 0);
    addPoint(figure, at, QStringLiteral("C"), -15, -kExampleSolsticeDeg);
    return figure;
}

ExampleFigure ZodiacCurvesExample()
{
    const Placement at{planeFor(0), QPointF(230, 50), 46, false};
    ExampleFigure figure = curvesFrame(at, -15, QStringLiteral("11"));
    const std::initializer_list<double> declinations{kExampleSolsticeDeg, kExampleSign1Deg, kExampleSign2Deg,
                                                     kExampleAnniversaryDeg, 0, -kExampleSign2Deg, -kExampleSign1Deg,
                                                     -kExampleSolsticeDeg};
    addDates(figure, at, declinations);
    for (double d : declinations)
        addPoint(figure, at, QString(), -15, d);
    return figure;
}

ExampleFigure DecliningExample(sheet::WallSide side)
{
    ExampleFigure figure;
    figure.plot = QRectF(20, 40, 380, 200);
    figure.centre = QPointF(210, 80);
    const double length = 140;
    // The sheet's own angle for each whole hour it shows: A turns down from the afternoon
    // half-line, which lies to the right of a person facing the wall.
    for (int hour = 5; hour <= 19; ++hour) {
        if (!sheet::DecliningHourLineLit(kExampleLatitudeDeg, kExampleWallDeclinationDeg, side, hour))
            continue;
        const sheet::DecliningHourLine line =
            sheet::DecliningHourAngle(kExampleLatitudeDeg, kExampleWallDeclinationDeg, side, hour);
        if (!line.angleDeg)
            continue;
        const double a = qDegreesToRadians(*line.angleDeg);
        const QPointF end = figure.centre + length * QPointF(std::cos(a), std::sin(a));
        figure.hours.push_back({QString::number(hour), QPolygonF({figure.centre, end}), 0});
    }
    return figure;
}

} // namespace shell
