// How long one frame of the shadow's animation takes in the designer with every hour system on
// and refraction reckoned: the instant moved one minute (or one day), the shadow and every
// reading computed, the panel's fields written and the drawing repainted (its cached picture
// and the shadow over it). The designer promises a frame within 4 ms. Prints the best, the
// median and the worst of many frames. Not a test: run it by hand, e.g.
//     QT_QPA_PLATFORM=offscreen build/tools/bench/bench_shadow

#include "designer/quadrante.h"
#include "designer/shadowpanel.h"
#include "drawing/qt/drawingcanvas.h"
#include "gnomonics/shadow.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

double since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The processor time this thread has used, ms: on a busy machine the wall clock also counts
// the slices other programs were given in between.
double threadMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void report(const char *what, std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    const double p99 = ms[ms.size() * 99 / 100];
    std::printf("%-34s best %6.3f  median %6.3f  99%% %6.3f  worst %6.3f ms  (%.0f frames a second at the median)\n",
                what, ms.front(), median, p99, ms.back(), 1000.0 / median);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    project::Project p; // Milano, a wall facing South 20 degrees West, the default plate
    p.declinationDeg = 20;
    p.summerTime = true;
    p.halfHours = true;
    p.clock = true;
    p.italic = true;
    p.babylonian = true;
    p.temporary = true;
    p.quarterHours = true;
    p.azimuthStepDeg = 15;
    p.altitudeStepDeg = 10;
    p.refraction = true;
    p.zodiac = true;
    p.monthFirsts = true;
    p.days = {"15/08/2026"};

    designer::Quadrante w;
    w.setProject(p, QString());
    w.resize(1366, 768);
    w.show();
    app.processEvents();
    w.redrawNow();
    app.processEvents();
    if (!w.dial().ok) {
        std::fprintf(stderr, "the dial was refused: %s\n", qPrintable(w.dial().message));
        return 1;
    }
    auto *panel = w.findChild<designer::ShadowPanel *>(QStringLiteral("ombra"));
    auto *canvas = w.findChild<drawing::DrawingCanvas *>(QStringLiteral("Disegno"));
    if (!panel || !canvas)
        return 1;
    const designer::DesignedDial &every = w.dial();
    if (!every.lines.design.hours.temporary || !every.lines.design.refraction)
        return 1;
    std::printf("canvas %d x %d px, %zu lines on the drawing\n", canvas->width(), canvas->height(),
                canvas->drawing().lines.size());

    // A paint after the view changed makes the picture of the drawing again; the frames only
    // the shadow over it.
    std::vector<double> picture;
    for (int i = 0; i < 20; ++i) {
        canvas->zoomBy(i % 2 ? 1.01 : 1 / 1.01, QPointF(canvas->width() / 2.0, canvas->height() / 2.0));
        const auto start = std::chrono::steady_clock::now();
        canvas->repaint();
        picture.push_back(since(start));
    }
    report("paint with a new picture", picture);
    std::chrono::steady_clock::time_point start;

    panel->showInstant({2026, 6, 21}, 5 * 60);
    std::vector<double> day, year, dayCpu, yearCpu;
    for (int i = 0; i < 16 * 60; ++i) { // 05:00 to 21:00 in summer time, the Sun up and down
        start = std::chrono::steady_clock::now();
        const double cpu = threadMs();
        panel->stepMinute();
        canvas->repaint();
        app.processEvents(); // the fields written are painted too
        day.push_back(since(start));
        dayCpu.push_back(threadMs() - cpu);
    }
    panel->showInstant({2026, 1, 1}, 10 * 60);
    for (int i = 0; i < 365; ++i) {
        start = std::chrono::steady_clock::now();
        const double cpu = threadMs();
        panel->stepDay();
        canvas->repaint();
        app.processEvents();
        year.push_back(since(start));
        yearCpu.push_back(threadMs() - cpu);
    }
    // The engine's part of a frame alone: the Sun, the shadow and every reading.
    std::vector<double> engine;
    double sink = 0;
    for (int i = 0; i < 16 * 60; ++i) {
        start = std::chrono::steady_clock::now();
        const auto s = gnomonics::ShadowAt(every.lines.design, every.lines.plane, {2026, 6, 21}, 5.0 + i / 60.0);
        engine.push_back(since(start));
        sink += s.point.xMm;
    }
    report("the shadow alone (engine)", engine);
    report("frame, one minute on", day);
    report("frame, one day on", year);
    report("frame, one minute on (processor)", dayCpu);
    report("frame, one day on (processor)", yearCpu);
    return sink == 12345.678 ? 2 : 0; // keeps the engine's loop from being optimised away
}
