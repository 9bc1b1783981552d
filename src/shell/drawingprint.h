#pragma once

#include "sheet/drawing.h"

#include <QSizeF>
#include <QString>

class QPagedPaintDevice;
class QPainter;
class QWidget;

namespace shell {

// Neighbouring tiles of a printed drawing share this much paper, to glue one over the other.
inline constexpr double kTileOverlapMm = 10.0;

// The tiles a drawing needs when each page prints an area of printableMm.
sheet::TileGrid planDrawingTiles(const sheet::Drawing &drawing, QSizeF printableMm);

// What a tile says of itself: "riga 1, colonna 2 (di 2 x 3)" (row and column from 1, then
// rows x columns).
QString tileLabel(const sheet::TileGrid &grid, int row, int column);

// The pages of a tiled print, painted with the painter's origin at the top-left corner of the
// printable area and dotsPerMm device units to the millimetre.
//
// The overview: the whole drawing reduced to fit the printable area, the tile grid over it
// and each tile's place written in it.
void paintOverviewPage(QPainter &painter, const sheet::Drawing &drawing, const sheet::TileGrid &grid,
                       QSizeF printableMm, double dotsPerMm);
// One tile at full scale: the part of the drawing from the tile's offset, the marks that
// show where the paper is trimmed and where its neighbours lie over it, and its label.
void paintTilePage(QPainter &painter, const sheet::Drawing &drawing, const sheet::TileGrid &grid, int row,
                   int column, double dotsPerMm);

// The overview page, then every tile row by row, each on a page of its own. Returns false
// when the device could not start a new page.
bool paintTiledPages(QPainter &painter, QPagedPaintDevice &device, const sheet::Drawing &drawing,
                     QSizeF printableMm, double dotsPerMm);

// Prints the tiled drawing on the default printer and tells the user how it went.
bool printDrawingTiles(const sheet::Drawing &drawing, QWidget *parent);

} // namespace shell
