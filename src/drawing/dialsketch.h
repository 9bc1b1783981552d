#pragma once

// The dial as the maker traces it, at full scale, as plain data in the dial's own frame:
// millimetres from the foot F of the style, x to the right and y upwards as a person facing
// the dial sees it. Only a renderer turns y downwards. Every item belongs to a layer (one per
// family of lines), which the DXF file keeps and the screen colours.

#include "drawing/geometry2d.h"
#include "drawing/linenames.h"
#include "gnomonics/diallines.h"

#include <string>
#include <vector>

namespace drawing {

enum class Layer {
    Hours, ClockHours, Italic, Babylonian, Dates, Style, Plate, Texts, Construction,
    Temporary, Azimuth, Altitude, MeanHours, Grid,
    Analemmatic, DateScale, Wires, Meridian, Spots,
};
inline constexpr int kLayerCount = 19;
// The DXF name of a layer: ORE, ORE_CIVILI, ITALICHE, BABILONESI, DATE, STILO, LASTRA, TESTI,
// COSTRUZIONE, TEMPORARIE, AZIMUT, ALTEZZE, ORE_MEDIE (the clock lines of local mean time),
// GRIGLIA, ANALEMMATICO, SCALA_DATE, FILI, MERIDIANA, MACCHIE.
const char *LayerName(Layer layer);
// The colour a layer is drawn in, 0xRRGGBB.
unsigned LayerColour(Layer layer);

// A line of the drawing. How wide it is drawn follows from its layer: the page gives each layer
// a pen (sheetdrawing.cpp) and the renderer a width to each pen; the DXF leaves widths to CAD.
struct Polyline {
    std::vector<Pt> points;
    Layer layer = Layer::Hours;
    bool dashed = false;
    bool closed = false;
    bool aside = false; // beside the plate rather than on it
    bool fine = false;  // drawn with the fine pen: the quarter hours, the grid
    // The half of the year a piece of a split analemma stands for (None for any other line):
    // the December to June half is drawn solid, the June to December half dashed, and the DXF
    // puts each on a layer of its own.
    gnomonics::AnalemmaHalf half = gnomonics::AnalemmaHalf::None;
};

// The DXF layer of a line: its layer's name, with _DIC_GIU or _GIU_DIC for the two halves of
// a split analemma (ORE_CIVILI_DIC_GIU, ORE_MEDIE_GIU_DIC, ...).
std::string PolylineLayerName(const Polyline &line);

// The layer of a line of the dial: its family's, the clock lines of local mean time apart.
Layer LayerOfLine(const gnomonics::DialLine &line, const gnomonics::DialSpec &design);

// A quarter hour (10:15, 10:45) of apparent or clock time: drawn fine and left unnamed, between
// the named half hours.
bool IsQuarterHourLine(const gnomonics::DialLine &line);

// A text whose baseline starts at `at`; it reads left to right. Its capitals are 0.72 of its
// height tall; its box reaches kLabelDescent of the height below the baseline, for the tails of
// g, p and q, and the rest of the height above.
inline constexpr double kLabelDescent = 0.22;
struct Label {
    Pt at;
    std::string text; // UTF-8
    double heightMm = 5;
    Layer layer = Layer::Texts;
    bool aside = false; // beside the plate rather than on it
    Box box() const;
};

struct Dot {
    Pt at;
    double radiusMm = 1.5;
    Layer layer = Layer::Construction;
};

struct DialSketch {
    std::string title;
    Box plate;  // the dial plate
    Box extent; // everything drawn, the plate included
    // What did not fit on the plate (items marked aside) stands to its right, inside this box.
    bool hasAside = false;
    Box aside;
    std::vector<Polyline> lines;
    std::vector<Label> labels;
    std::vector<Dot> dots;
};

// What the title block says about the inputs besides the numbers in DialLines.
struct SketchTitle {
    std::string placeName;
    // A sheet's drawing has no plate: the outline is left out and the plate box (the lines' own
    // extent) only bounds where labels and the title block may stand.
    bool noPlate = false;
    std::string title;                   // in place of "Quadrante <place>" when not empty
    std::vector<std::string> blockLines; // when not empty, what the title block says of the inputs
    double gridMm = 0;                   // squares of this side over the plate, 0 none
    std::string motto;                   // a line on the plate nearest its top, empty none
};

// Estimated width of a text of that height (mm), for the layout of labels: 0.62 x height per
// character of a sans-serif face, which errs on the wide side for digits and lower case.
double TextWidthMm(const std::string &utf8, double heightMm);

// The drawing of a dial the engine built (dial.status must be ok; otherwise an empty sketch):
// the plate outline; O and F; the substyle, noon, equinoctial and horizon lines; every hour and
// date line, labelled (clock numbers, with the summer-time number beside an apparent hour when
// summer time is chosen; Italic and Babylonian numbers in their own colours; date lines by
// date or sign; analemmas by clock hour); the title block with every input and the derived
// style elevation, substyle angle and longitude difference, the style template at 1:1, a 100 mm
// bar and an arrow pointing up (North too on a horizontal dial), each set on the plate where it
// covers nothing (nearest a corner), or else beside the plate, to its right, and marked aside.
// Every piece of every hour and date line carries its label (a line the plate or the horizon
// cuts in two is named on both pieces). A label stands where its box meets neither its own line
// nor another label, clearly nearer its own line than any other of its family; where short
// lines crowd it is tried a size smaller (down to 2 mm), then set farther out on its line's
// prolongation or apart, tied to its line by a thin leader on the texts' layer. No label is
// left out.
DialSketch BuildDialSketch(const gnomonics::DialLines &dial, const SketchTitle &title);

} // namespace drawing
