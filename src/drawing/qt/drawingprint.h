#pragma once

#include "drawing/page.h"
#include "drawing/scalebar.h"

#include <QSizeF>
#include <QString>

#include <vector>

class QPagedPaintDevice;
class QPainter;
class QWidget;

namespace drawing {

// Neighbouring tiles of a printed drawing share this much paper, to glue one over the other.
inline constexpr double kTileOverlapMm = 10.0;
// More pages than this is not a dial a maker traces from paper; the job is refused.
inline constexpr int kMaxTilePages = 200;
// Length of the check bar printed on every tile.
inline constexpr double kCheckBarMm = kScaleBarMm;

// The tiles a drawing needs when each page prints an area of printableMm, upright.
TileGrid planDrawingTiles(const Drawing &drawing, QSizeF printableMm);

// A tiled print as it will go to the printer: the grid, turned a quarter on the page
// (landscape) when that needs fewer pages, and which tiles have something drawn on them. A
// tile with nothing on it is not printed, but keeps its row and column in every label.
struct TilePlan {
    TileGrid grid;
    bool landscape = false;
    // One flag per tile, row by row; empty when the grid is too large to look at (each tile
    // then counts as printed).
    std::vector<bool> used;
    int printed = 0; // tiles that go to paper

    bool isPrinted(int row, int column) const;
};

// Plans the print on pages whose printable area, upright, is printableMm: portrait or landscape,
// whichever prints fewer tiles (portrait when they tie). The cost of the plan grows with the
// drawing's items and the tiles they cross, never with the drawing's area alone.
TilePlan planDrawingPrint(const Drawing &drawing, QSizeF printableMm);

// What a tile says of itself: "riga 1, colonna 2 (di 2 x 3)" (row and column from 1, then
// rows x columns).
QString tileLabel(const TileGrid &grid, int row, int column);

// The pages of a tiled print, painted with the painter's origin at the top-left corner of the
// upright printable area (printableMm) and dotsPerMm device units to the millimetre.
//
// The overview: a heading (the drawing's title, the number of tile pages), then the whole
// drawing as large as the sheet allows (turned when that makes it larger), the tile grid over
// it and each printed tile's place written in it; the tiles left blank are outlined only.
void paintOverviewPage(QPainter &painter, const Drawing &drawing, const TilePlan &plan,
                       QSizeF printableMm, double dotsPerMm);
// One tile at full scale: the part of the drawing from the tile's offset, the marks that show
// where the paper is trimmed and where its neighbours lie over it, a 100 mm check bar, and its
// label.
void paintTilePage(QPainter &painter, const Drawing &drawing, const TilePlan &plan, int row, int column,
                   QSizeF printableMm, double dotsPerMm);

// The overview page, then every printed tile row by row, each on a page of its own. Returns
// false when the plan holds more than kMaxTilePages tiles or the device could not start a new
// page.
bool paintTiledPages(QPainter &painter, QPagedPaintDevice &device, const Drawing &drawing,
                     const TilePlan &plan, QSizeF printableMm, double dotsPerMm);

// The questions of a tiled print: how many pages it takes (the user may say no), and that it
// is too large. The program shows message boxes; tests put their own answers in their place.
class TilePrintDialogs {
public:
    virtual ~TilePrintDialogs() = default;
    virtual bool confirm(QWidget *parent, const QString &question) = 0;
    virtual void refuse(QWidget *parent, const QString &message) = 0;
};

// Replaces the dialogs (nullptr restores the message boxes). Returns the previous ones.
TilePrintDialogs *setTilePrintDialogs(TilePrintDialogs *dialogs);

// "Il disegno richiede N fogli A4. Stampare?" and the refusal of a drawing over the limit.
QString tilePagesQuestion(int sheets);
QString tooLargeMessage(int tiles);

// Prints the tiled drawing on the default printer: a drawing over kMaxTilePages tiles is
// refused in words and nothing is sent; otherwise the user is asked with the number of sheets,
// and the job ends with the printing messages. Returns true when the job was handed over.
bool printDrawingTiles(const Drawing &drawing, QWidget *parent);

// "Stampa…": the overview and the tiles in a print preview, from which the user may choose a
// printer and print (no question: the preview shows the sheets). A drawing over the limit is
// refused as above.
bool previewDrawingTiles(const Drawing &drawing, QWidget *parent);

} // namespace drawing
