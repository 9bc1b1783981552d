// The map of a plate's free space, where the title block, the style template, the bar and the
// arrows go: made in two steps (the lines drawn so far while the names are being placed, then
// the leaders, names and dots) it finds every place exactly where the map made at once does.

#include "drawing/freespace.h"
#include "testsupport.h"

#include <QtTest>

#include <cmath>

using namespace drawing;

namespace {

// A plate of 600 x 400 mm crossed by fan lines from a centre above it, a closed outline, a
// one-point line, grid lines (which take no room), a few names and a dot.
DialSketch crowdedPlate()
{
    DialSketch sketch;
    sketch.plate = {-300, -350, 300, 50};
    for (int k = 0; k < 40; ++k) {
        const double a = -1.2 + 2.4 * k / 39.0;
        Polyline l;
        l.points = {{0, 120}, {600 * std::sin(a), 120 - 600 * std::cos(a)}};
        sketch.lines.push_back(l);
    }
    Polyline outline;
    outline.points = {{-250, -300}, {-150, -300}, {-150, -250}, {-250, -250}};
    outline.closed = true;
    sketch.lines.push_back(outline);
    Polyline single;
    single.points = {{120, -20}};
    sketch.lines.push_back(single);
    Polyline grid;
    grid.layer = Layer::Grid;
    grid.points = {{-300, -100}, {300, -100}};
    sketch.lines.push_back(grid);
    // A leader, as the names' placing adds at its end.
    Polyline leader;
    leader.layer = Layer::Texts;
    leader.points = {{200, -330}, {280, -260}};
    sketch.lines.push_back(leader);
    sketch.labels.push_back({{-280, -340}, "21 giu", 6});
    sketch.labels.push_back({{230, 20}, "XII", 8});
    sketch.dots.push_back({{-200, 10}, 3});
    return sketch;
}

} // namespace

class TestFreeSpace : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void inTwoStepsAsAtOnce_data()
    {
        QTest::addColumn<int>("linesFirst");
        QTest::newRow("no line first") << 0;
        QTest::newRow("half the fan first") << 20;
        QTest::newRow("all but the leader first") << 43;
        QTest::newRow("every line first") << 44;
    }
    void inTwoStepsAsAtOnce()
    {
        QFETCH(int, linesFirst);
        const DialSketch sketch = crowdedPlate();
        QCOMPARE(int(sketch.lines.size()), 44);
        const double inset = 6;
        const FreeSpace atOnce(sketch, inset);
        FreeSpace twoSteps(sketch.plate, sketch.lines, static_cast<std::size_t>(linesFirst), inset);
        twoSteps.complete(sketch, static_cast<std::size_t>(linesFirst));
        int found = 0;
        for (double w : {10.0, 30.0, 60.0, 120.0, 250.0})
            for (double h : {8.0, 25.0, 50.0, 90.0})
                for (bool nearTop : {false, true}) {
                    const std::optional<Pt> a = atOnce.find(w, h, nearTop);
                    const std::optional<Pt> b = twoSteps.find(w, h, nearTop);
                    QCOMPARE(a.has_value(), b.has_value());
                    if (a) {
                        QCOMPARE(b->x, a->x);
                        QCOMPARE(b->y, a->y);
                        ++found;
                    }
                }
        // The fan leaves room for small pieces, none for the largest.
        QVERIFY(found > 10);
        QVERIFY(!atOnce.find(250, 90));
    }
};

QTEST_APPLESS_MAIN(TestFreeSpace)
#include "test_freespace.moc"
