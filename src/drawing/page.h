#pragma once

#include <string>
#include <vector>

namespace drawing {

// A dial drawn at full scale, as plain data: every length in millimetres, x to the right and
// y downwards from the top-left corner of the drawing's bounding box, so that every item lies
// within [0, widthMm] x [0, heightMm]. One renderer draws it on screen, on paper, into a PDF
// and into an SVG; the builders that fill it know nothing of Qt.
struct DrawingPoint {
    double xMm = 0;
    double yMm = 0;
    bool operator==(const DrawingPoint &) const = default;
};

enum class DrawingPen {
    Construction, // thin: East-West line, substyle, the frame of the style template
    HourLine,     // the hour lines
    Curve,        // the date curves
    Frame,        // the title block and the scale bar
};

struct DrawingPolyline {
    std::vector<DrawingPoint> points;
    DrawingPen pen = DrawingPen::HourLine;
    bool dashed = false;
    bool closed = false;
    unsigned rgb = 0x000000; // colour as 0xRRGGBB
};

enum class TextAnchor { TopLeft, Centre, BottomLeft, BottomCentre, TopCentre };

struct DrawingText {
    DrawingPoint at;
    std::string text;
    double heightMm = 3.5; // height of the capital letters
    TextAnchor anchor = TextAnchor::BottomLeft;
    unsigned rgb = 0x000000;
};

struct DrawingDot {
    DrawingPoint at;
    double radiusMm = 0.8;
};

struct Drawing {
    std::string title; // the window's and the file's name for it
    double widthMm = 0;
    double heightMm = 0;
    std::vector<DrawingPolyline> lines;
    std::vector<DrawingText> texts;
    std::vector<DrawingDot> dots;
};

// How a drawing larger than a sheet of paper is cut into overlapping tiles. Each tile shows
// the part of the drawing that starts at its offset and is tileWidthMm x tileHeightMm large;
// neighbouring tiles share overlapMm, so the maker can lay them over each other and glue.
struct TileGrid {
    int rows = 0;
    int columns = 0;
    double tileWidthMm = 0;
    double tileHeightMm = 0;
    double overlapMm = 0;

    int count() const { return rows * columns; }
    // Top-left corner, in drawing millimetres, of the tile in the given row and column
    // (both counted from 0).
    DrawingPoint offset(int row, int column) const
    {
        return {column * (tileWidthMm - overlapMm), row * (tileHeightMm - overlapMm)};
    }
};

// Tiles along one side are counted up to this many; a drawing that needs more has its count
// held there (it is far beyond anything printed tile by tile, and rows x columns stays an int).
inline constexpr int kMaxTilesAlong = 10000;

// The fewest tiles of the given size, overlapping by overlapMm, that cover a drawing of
// widthMm x heightMm. A drawing that fits on one tile gets one; a size that is not a number
// gets one; a tile no larger than its overlap, or a drawing that needs more than
// kMaxTilesAlong tiles along a side, gets kMaxTilesAlong along it.
TileGrid PlanTiles(double widthMm, double heightMm, double tileWidthMm, double tileHeightMm,
                   double overlapMm);

} // namespace drawing
