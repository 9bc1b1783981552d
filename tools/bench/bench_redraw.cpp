// How long the designer takes to redraw a dial with every system on, from the inputs to the
// pixels: the engine's lines, the sketch with its labels laid out, the page, and one paint of
// the whole plate fitted in a window-sized image. The designer promises a redraw within 100 ms.
// Prints the best and the median of repeated redraws per step. Not a test: run it by hand.

#include "designer/designerexport.h"
#include "drawing/qt/drawingrender.h"
#include "drawing/sheetdrawing.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

struct Timing {
    const char *what;
    std::vector<double> ms;
};

void report(Timing &t)
{
    std::sort(t.ms.begin(), t.ms.end());
    std::printf("%-28s best %7.2f ms  median %7.2f ms\n", t.what, t.ms.front(), t.ms[t.ms.size() / 2]);
}

double since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    project::Project p; // Milano, a wall facing South, the default plate
    p.declinationDeg = 20;
    p.summerTime = true;
    p.halfHours = true;
    p.clock = true;
    p.italic = true;
    p.babylonian = true;
    p.zodiac = true;
    p.monthFirsts = true;
    p.days = {"15/08/2026"};

    Timing design{"engine and sketch", {}}, page{"page", {}}, paint{"paint 1200 x 900 px", {}}, total{"redraw", {}};
    QImage image(1200, 900, QImage::Format_ARGB32_Premultiplied);
    for (int run = 0; run < 15; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const designer::DesignedDial dial = designer::DesignDial(p);
        design.ms.push_back(since(start));
        if (!dial.ok) {
            std::fprintf(stderr, "the dial was refused: %s\n", qPrintable(dial.message));
            return 1;
        }
        const auto pageStart = std::chrono::steady_clock::now();
        const drawing::Drawing drawn = drawing::ToSheetDrawing(dial.sketch);
        page.ms.push_back(since(pageStart));
        const auto paintStart = std::chrono::steady_clock::now();
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const double scale = std::min(image.width() / drawn.widthMm, image.height() / drawn.heightMm);
        drawing::DrawingRender(scale, QPointF(0, 0)).paint(painter, drawn);
        painter.end();
        paint.ms.push_back(since(paintStart));
        total.ms.push_back(since(start));
    }
    for (Timing *t : {&design, &page, &paint, &total})
        report(*t);
    return 0;
}
