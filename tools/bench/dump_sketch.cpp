// Writes, with every digit, what the designer draws for a handful of dials: each line's points,
// each label's text, place, height and side, each dot, the plate and the extent, and the page the
// screen paints. Two builds that write the same file draw the same dials. With a second argument
// it also paints the first dial as the redraw timing does and saves it as a PNG, and beside it
// as the designer's window paints it, whole and zoomed (OUT-window.png, OUT-zoom4.png,
// OUT-zoom12.png). Not a test: run it by hand, before and after a change meant to leave the
// drawing as it was.

#include "designer/designerexport.h"
#include "drawing/qt/drawingrender.h"
#include "drawing/sheetdrawing.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <vector>

namespace {

struct Case {
    const char *name;
    project::Project project;
};

project::Project everySystem()
{
    project::Project p; // the redraw timing's dial
    p.declinationDeg = 20;
    p.summerTime = true;
    p.halfHours = true;
    p.clock = true;
    p.italic = true;
    p.babylonian = true;
    p.zodiac = true;
    p.monthFirsts = true;
    p.days = {"15/08/2026"};
    return p;
}

project::Project newFamilies(project::Project p)
{
    p.temporary = true;
    p.quarterHours = true;
    p.azimuthStepDeg = 15;
    p.altitudeStepDeg = 10;
    p.refraction = true;
    p.gridMm = 50;
    p.motto = "Sine sole sileo";
    return p;
}

std::vector<Case> cases()
{
    std::vector<Case> out;
    out.push_back({"every system", everySystem()});
    out.push_back({"new families", newFamilies(everySystem())});
    project::Project north = everySystem();
    north.declinationDeg = 180;
    out.push_back({"north wall", north});
    out.push_back({"north wall, new families", newFamilies(north)});
    project::Project horizontal = everySystem();
    horizontal.latitudeDeg = 60;
    horizontal.inclinationDeg = 90;
    horizontal.footFromTopMm = 600;
    out.push_back({"horizontal, latitude 60", horizontal});
    out.push_back({"horizontal, latitude 60, new families", newFamilies(horizontal)});
    project::Project crowded = everySystem();
    crowded.plateWidthMm = 200;
    crowded.plateHeightMm = 150;
    crowded.footFromLeftMm = 100;
    crowded.footFromTopMm = 30;
    crowded.gnomonMm = 40;
    out.push_back({"crowded plate", crowded});
    out.push_back({"crowded plate, new families", newFamilies(crowded)});
    project::Project plain; // the default dial, nothing but apparent hours and the solstices
    out.push_back({"default", plain});
    project::Project east = newFamilies(everySystem());
    east.declinationDeg = -75;
    east.inclinationDeg = -15;
    out.push_back({"east leaning forward, new families", east});
    project::Project flat = everySystem();
    flat.inclinationDeg = 90;
    flat.footFromTopMm = 400;
    flat.kind = gnomonics::DialKind::Bifilar;
    out.push_back({"bifilar", flat});
    project::Project wide = flat;
    wide.plateWidthMm = 5000;
    wide.plateHeightMm = 4000;
    wide.footFromLeftMm = 2500;
    wide.footFromTopMm = 2000;
    wide.kind = gnomonics::DialKind::Analemmatic;
    out.push_back({"analemmatic", wide});
    project::Project room = flat;
    room.gnomonMm = 300;
    room.plateWidthMm = 600;
    room.plateHeightMm = 3000;
    room.footFromLeftMm = 300;
    room.footFromTopMm = 2900;
    room.kind = gnomonics::DialKind::DarkRoom;
    out.push_back({"dark room", room});
    return out;
}

void dumpSketch(std::FILE *f, const drawing::DialSketch &s)
{
    auto box = [&](const char *what, const drawing::Box &b) {
        std::fprintf(f, "%s %.17g %.17g %.17g %.17g\n", what, b.left, b.bottom, b.right, b.top);
    };
    std::fprintf(f, "title %s\n", s.title.c_str());
    box("plate", s.plate);
    box("extent", s.extent);
    std::fprintf(f, "hasAside %d\n", s.hasAside);
    box("aside", s.aside);
    std::fprintf(f, "lines %zu\n", s.lines.size());
    for (const drawing::Polyline &l : s.lines) {
        std::fprintf(f, "line layer %d dashed %d closed %d aside %d fine %d half %d points %zu\n",
                     static_cast<int>(l.layer), l.dashed, l.closed, l.aside, l.fine, static_cast<int>(l.half),
                     l.points.size());
        for (const drawing::Pt &p : l.points)
            std::fprintf(f, " %.17g %.17g\n", p.x, p.y);
    }
    std::fprintf(f, "labels %zu\n", s.labels.size());
    for (const drawing::Label &l : s.labels)
        std::fprintf(f, "label [%s] %.17g %.17g height %.17g layer %d aside %d\n", l.text.c_str(), l.at.x, l.at.y,
                     l.heightMm, static_cast<int>(l.layer), l.aside);
    std::fprintf(f, "dots %zu\n", s.dots.size());
    for (const drawing::Dot &d : s.dots)
        std::fprintf(f, "dot %.17g %.17g radius %.17g layer %d\n", d.at.x, d.at.y, d.radiusMm, static_cast<int>(d.layer));
}

void dumpPage(std::FILE *f, const drawing::Drawing &d)
{
    std::fprintf(f, "page %s %.17g x %.17g\n", d.title.c_str(), d.widthMm, d.heightMm);
    for (const drawing::DrawingPolyline &l : d.lines) {
        std::fprintf(f, "pline pen %d dashed %d closed %d rgb %06x points %zu\n", static_cast<int>(l.pen), l.dashed,
                     l.closed, l.rgb, l.points.size());
        for (const drawing::DrawingPoint &p : l.points)
            std::fprintf(f, " %.17g %.17g\n", p.xMm, p.yMm);
    }
    for (const drawing::DrawingText &t : d.texts)
        std::fprintf(f, "ptext [%s] %.17g %.17g height %.17g anchor %d rgb %06x\n", t.text.c_str(), t.at.xMm, t.at.yMm,
                     t.heightMm, static_cast<int>(t.anchor), t.rgb);
    for (const drawing::DrawingDot &d : d.dots)
        std::fprintf(f, "pdot %.17g %.17g radius %.17g\n", d.at.xMm, d.at.yMm, d.radiusMm);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: dump_sketch OUT.txt [OUT.png]\n");
        return 2;
    }
    std::FILE *f = std::fopen(argv[1], "w");
    if (!f) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    for (const Case &c : cases()) {
        std::fprintf(f, "=== %s\n", c.name);
        const designer::DesignedDial dial = designer::DesignDial(c.project);
        if (!dial.ok) {
            std::fprintf(f, "refused %s: %s\n", qPrintable(dial.key), qPrintable(dial.message));
            continue;
        }
        dumpSketch(f, dial.sketch);
        dumpPage(f, drawing::ToSheetDrawing(dial.sketch));
    }
    std::fclose(f);
    if (argc > 2) {
        const designer::DesignedDial dial = designer::DesignDial(everySystem());
        const drawing::Drawing drawn = drawing::ToSheetDrawing(dial.sketch);
        // As the timing paints it; then as the designer's window does (no line thinner than a
        // pixel), whole and zoomed four and twelve times on the dial's middle, where the pens
        // are several pixels wide.
        const QString png = QString::fromLocal8Bit(argv[2]);
        const QString stem = png.endsWith(QStringLiteral(".png")) ? png.chopped(4) : png;
        struct View {
            QString file;
            double zoom;
            double minimumPenDots;
        };
        for (const View &view : {View{png, 1, 0}, View{stem + QStringLiteral("-window.png"), 1, 1},
                                 View{stem + QStringLiteral("-zoom4.png"), 4, 1},
                                 View{stem + QStringLiteral("-zoom12.png"), 12, 1}}) {
            QImage image(1200, 900, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            const double scale = std::min(image.width() / drawn.widthMm, image.height() / drawn.heightMm) * view.zoom;
            const QPointF origin(image.width() / 2.0 - scale * drawn.widthMm / 2, image.height() / 2.0 - scale * drawn.heightMm / 2);
            drawing::DrawingRender render(scale, view.zoom == 1 ? QPointF(0, 0) : origin);
            render.setMinimumPenDots(view.minimumPenDots);
            render.paint(painter, drawn);
            painter.end();
            if (!image.save(view.file)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(view.file));
                return 1;
            }
        }
    }
    return 0;
}
