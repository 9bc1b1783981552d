// The example pictures are true dials: every point the beginner sees is where the shadow of
// the nodus falls, computed here apart from the program with plain vectors; the equinoctial
// line is square to the noon line, and the West wall is the mirror of the East one.

#include "shadowframe.h"
#include "testsupport.h"

#include "sheet/declining.h"
#include "sheet/numbers.h"
#include "shell/examplefigures.h"

#include <QLineF>

namespace {

constexpr double kPixelTol = 0.5;   // a point drawn within half a pixel of its place
constexpr double kAngleTolDeg = 0.06; // the sheet's angle is shown to a tenth of a degree

using sunframe::Vec3;

// A picture's dial: its plane's normal, the two directions that the picture's x (right) and
// y (down) show, and the sample hour's angle.
struct Dial {
    Vec3 normal;
    Vec3 pictureRight;
    Vec3 pictureDown;
    double sampleHourAngleDeg;
};

Dial dialOf(const QString &figure)
{
    if (figure == QLatin1String("horizontal"))
        // Seen with the noon line running down from O: North down, so East to the left.
        return {sunframe::kUp, {-1, 0, 0}, {0, 1, 0}, 15};
    // A wall facing due South: East to the right of a person facing it.
    return {{0, -1, 0}, {1, 0, 0}, {0, 0, -1}, -15};
}

shell::ExampleFigure figureOf(const QString &figure)
{
    if (figure == QLatin1String("horizontal"))
        return shell::HorizontalCurvesExample();
    if (figure == QLatin1String("vertical"))
        return shell::VerticalCurvesExample();
    return shell::ZodiacCurvesExample();
}

// The shadow of a nodus 1 mm along the polar style from O, on the face's side of the plane
// (up the style on a horizontal dial, down and out on a South wall), cast on the plane through
// O, in the picture's directions (mm); nothing when the Sun does not light the plane.
std::optional<QPointF> trueShadow(const Dial &dial, double hourAngleDeg, double declinationDeg)
{
    const double lat = shell::kExampleLatitudeDeg;
    const Vec3 sun = sunframe::sunDirection(lat, hourAngleDeg, declinationDeg);
    if (sun.z < 0 || sunframe::dot(sun, dial.normal) <= 0)
        return std::nullopt;
    const Vec3 pole = sunframe::northPole(lat);
    const Vec3 nodus = sunframe::dot(pole, dial.normal) > 0 ? pole : -1.0 * pole;
    const auto shadow = sunframe::projectAlongSun(nodus, sun, dial.normal);
    if (!shadow)
        return std::nullopt;
    return QPointF(sunframe::dot(*shadow, dial.pictureRight), sunframe::dot(*shadow, dial.pictureDown));
}

double distanceToLine(QPointF p, QLineF line)
{
    const QPointF d = line.p2() - line.p1();
    const QPointF v = p - line.p1();
    return std::abs(d.x() * v.y() - d.y() * v.x()) / line.length();
}

const shell::ExampleLine *hourLine(const shell::ExampleFigure &figure, const QString &label)
{
    for (const shell::ExampleLine &line : figure.hours)
        if (line.label == label)
            return &line;
    return nullptr;
}

} // namespace

class TestExampleFigures : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void curvePointsWhereTheShadowFalls_data()
    {
        QTest::addColumn<QString>("figure");
        QTest::addColumn<int>("points");
        QTest::newRow("horizontal dial, A B C on the 13 line") << "horizontal" << 3;
        QTest::newRow("South wall, A B C on the 11 line") << "vertical" << 3;
        QTest::newRow("South wall, every zodiac curve on the 11 line") << "zodiac" << 8;
    }
    void curvePointsWhereTheShadowFalls()
    {
        QFETCH(QString, figure);
        QFETCH(int, points);
        const shell::ExampleFigure picture = figureOf(figure);
        const Dial dial = dialOf(figure);
        QCOMPARE(static_cast<int>(picture.points.size()), points);
        // The picture's scale, from the equinox point of the sample hour.
        const auto equinox = trueShadow(dial, dial.sampleHourAngleDeg, 0);
        QVERIFY(equinox);
        double scale = 0;
        for (const shell::ExamplePoint &p : picture.points)
            if (p.declinationDeg == 0)
                scale = QLineF(picture.centre, p.at).length() / std::hypot(equinox->x(), equinox->y());
        QVERIFY(scale > 10);
        const shell::ExampleLine *sample = hourLine(picture, figure == QLatin1String("horizontal") ? QStringLiteral("13")
                                                                                                  : QStringLiteral("11"));
        QVERIFY(sample && sample->points.size() == 2);
        for (const shell::ExamplePoint &p : picture.points) {
            const auto shadow = trueShadow(dial, dial.sampleHourAngleDeg, p.declinationDeg);
            QVERIFY2(shadow, qPrintable(QString::number(p.declinationDeg)));
            const QPointF want = picture.centre + scale * *shadow;
            QVERIFY2(QLineF(p.at, want).length() <= kPixelTol,
                     qPrintable(QStringLiteral("declination %1: at (%2, %3), the shadow at (%4, %5)")
                                    .arg(p.declinationDeg).arg(p.at.x()).arg(p.at.y()).arg(want.x()).arg(want.y())));
            QVERIFY(distanceToLine(p.at, QLineF(sample->points.first(), sample->points.last())) <= kPixelTol);
            // Every date line drawn passes through its point.
            double nearest = 1e9;
            for (const shell::ExampleLine &line : picture.dates)
                if (line.declinationDeg == p.declinationDeg)
                    for (int i = 1; i < line.points.size(); ++i)
                        nearest = std::min(nearest, distanceToLine(p.at, QLineF(line.points[i - 1], line.points[i])));
            QVERIFY2(nearest <= 2.0, qPrintable(QString::number(nearest)));
        }
    }

    void lettersNameTheRightCurve_data()
    {
        QTest::addColumn<QString>("figure");
        QTest::newRow("horizontal dial") << "horizontal";
        QTest::newRow("South wall") << "vertical";
    }
    void lettersNameTheRightCurve()
    {
        // The legend says A is the summer solstice, B the equinoxes, C the winter solstice.
        QFETCH(QString, figure);
        const shell::ExampleFigure picture = figureOf(figure);
        QStringList letters;
        for (const shell::ExamplePoint &p : picture.points) {
            letters << p.label;
            const double want = p.label == QLatin1String("A") ? shell::kExampleSolsticeDeg
                                : p.label == QLatin1String("C") ? -shell::kExampleSolsticeDeg : 0.0;
            QCOMPARE(p.declinationDeg, want);
        }
        QCOMPARE(letters, (QStringList{"A", "B", "C"}));
    }

    void equinoctialLineSquareToTheNoonLine_data()
    {
        QTest::addColumn<QString>("figure");
        QTest::newRow("horizontal dial") << "horizontal";
        QTest::newRow("South wall") << "vertical";
        QTest::newRow("South wall with the zodiac") << "zodiac";
    }
    void equinoctialLineSquareToTheNoonLine()
    {
        QFETCH(QString, figure);
        const shell::ExampleFigure picture = figureOf(figure);
        const shell::ExampleLine *noon = hourLine(picture, QStringLiteral("12"));
        QVERIFY(noon && noon->points.size() == 2);
        const QLineF noonLine(noon->points.first(), noon->points.last());
        // The noon line runs straight down the picture from O.
        QCOMPARE_LE(std::abs(noonLine.dx()), kPixelTol);
        QVERIFY(noonLine.dy() > 0);
        int equinoxPieces = 0;
        for (const shell::ExampleLine &line : picture.dates) {
            if (line.declinationDeg != 0)
                continue;
            ++equinoxPieces;
            const QLineF span(line.points.first(), line.points.last());
            QVERIFY(span.length() > picture.plot.width());
            for (const QPointF &p : line.points)
                QCOMPARE_LE(std::abs(p.y() - span.p1().y()), kPixelTol);
            const double cosine = (span.dx() * noonLine.dx() + span.dy() * noonLine.dy()) / (span.length() * noonLine.length());
            QCOMPARE_LE(std::abs(cosine), 1e-6);
        }
        QCOMPARE(equinoxPieces, 1);
    }

    void sixAndEighteenOnTheirSides_data()
    {
        QTest::addColumn<QString>("figure");
        QTest::addColumn<bool>("sixOnTheLeft");
        QTest::newRow("horizontal dial: 6 on the right") << "horizontal" << false;
        QTest::newRow("South wall: 6 on the left") << "vertical" << true;
    }
    void sixAndEighteenOnTheirSides()
    {
        QFETCH(QString, figure);
        QFETCH(bool, sixOnTheLeft);
        const shell::ExampleFigure picture = figureOf(figure);
        const shell::ExampleLine *six = hourLine(picture, QStringLiteral("6"));
        const shell::ExampleLine *eighteen = hourLine(picture, QStringLiteral("18"));
        QVERIFY(six && eighteen);
        QCOMPARE(six->points.last().x() < picture.centre.x(), sixOnTheLeft);
        QCOMPARE(eighteen->points.last().x() < picture.centre.x(), !sixOnTheLeft);
        // Both lie along the horizontal through O.
        QCOMPARE_LE(std::abs(six->points.last().y() - picture.centre.y()), kPixelTol);
        QCOMPARE_LE(std::abs(eighteen->points.last().y() - picture.centre.y()), kPixelTol);
    }

    void zodiacCurvesAreDrawn()
    {
        const shell::ExampleFigure picture = shell::ZodiacCurvesExample();
        QSet<double> drawn;
        for (const shell::ExampleLine &line : picture.dates)
            drawn.insert(line.declinationDeg);
        const QSet<double> want{shell::kExampleSolsticeDeg, shell::kExampleSign1Deg, shell::kExampleSign2Deg,
                                shell::kExampleAnniversaryDeg, 0.0, -shell::kExampleSign2Deg,
                                -shell::kExampleSign1Deg, -shell::kExampleSolsticeDeg};
        QCOMPARE(drawn, want);
    }

    void decliningLinesAreTheSheetsAngles_data()
    {
        QTest::addColumn<bool>("east");
        QTest::newRow("wall declining East") << true;
        QTest::newRow("wall declining West") << false;
    }
    void decliningLinesAreTheSheetsAngles()
    {
        // Each whole hour the sheet gives a number for is drawn at that angle, turning down from
        // the right-hand half-line; each hour the sheet dashes is not drawn.
        QFETCH(bool, east);
        const auto side = east ? sheet::WallSide::East : sheet::WallSide::West;
        const shell::ExampleFigure picture = shell::DecliningExample(side);
        const sheet::DecliningSheetResult sheet =
            sheet::ComputeDecliningSheet(shell::kExampleLatitudeDeg, shell::kExampleWallDeclinationDeg, side);
        int drawnHours = 0;
        for (std::size_t i = 1; i < sheet::kDecliningPositions; i += 2) {
            const int hour = static_cast<int>(sheet::DecliningPositionHours(i));
            const shell::ExampleLine *line = hourLine(picture, QString::number(hour));
            const auto shown = sheet::ReadNumber(sheet.texts[i]);
            QVERIFY2(bool(line) == bool(shown), qPrintable(QStringLiteral("%1: %2").arg(hour).arg(QString::fromStdString(sheet.texts[i]))));
            if (!line)
                continue;
            ++drawnHours;
            const QLineF ray(line->points.first(), line->points.last());
            QCOMPARE(ray.p1(), picture.centre);
            const double downwardsDeg = qRadiansToDegrees(std::atan2(ray.dy(), ray.dx()));
            QCOMPARE_LE(std::abs(-downwardsDeg - *shown), kAngleTolDeg);
        }
        QVERIFY(drawnHours >= 8);
    }

    void westIsTheMirrorOfEast()
    {
        const shell::ExampleFigure east = shell::DecliningExample(sheet::WallSide::East);
        const shell::ExampleFigure west = shell::DecliningExample(sheet::WallSide::West);
        QCOMPARE(east.centre, west.centre);
        QCOMPARE(east.hours.size(), west.hours.size());
        bool sameAsEast = true;
        for (const shell::ExampleLine &line : east.hours) {
            const shell::ExampleLine *mirror = hourLine(west, QString::number(24 - line.label.toInt()));
            QVERIFY2(mirror, qPrintable(line.label));
            const QPointF end = line.points.last();
            const QPointF reflected(2 * east.centre.x() - end.x(), end.y());
            QCOMPARE_LE(QLineF(mirror->points.last(), reflected).length(), kPixelTol);
            const shell::ExampleLine *same = hourLine(west, line.label);
            if (!same || QLineF(same->points.last(), end).length() > 1)
                sameAsEast = false;
        }
        QVERIFY2(!sameAsEast, "the West picture is a copy of the East one");
    }
};

QTEST_MAIN(TestExampleFigures)
#include "test_examplefigures.moc"
