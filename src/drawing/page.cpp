#include "drawing/page.h"

#include <algorithm>
#include <cmath>

namespace drawing {

namespace {

int tilesAlong(double lengthMm, double tileMm, double overlapMm)
{
    if (!(lengthMm > tileMm))
        return 1;
    const double step = tileMm - overlapMm;
    if (!(step > 0))
        return kMaxTilesAlong;
    // The last tile may stick out beyond the drawing; a hair of rounding never adds a tile.
    const double more = std::ceil((lengthMm - tileMm) / step - 1e-9);
    return more < kMaxTilesAlong - 1 ? 1 + static_cast<int>(more) : kMaxTilesAlong;
}

} // namespace

TileGrid PlanTiles(double widthMm, double heightMm, double tileWidthMm, double tileHeightMm, double overlapMm)
{
    TileGrid grid;
    grid.tileWidthMm = tileWidthMm;
    grid.tileHeightMm = tileHeightMm;
    grid.overlapMm = overlapMm;
    grid.columns = tilesAlong(std::max(widthMm, 0.0), tileWidthMm, overlapMm);
    grid.rows = tilesAlong(std::max(heightMm, 0.0), tileHeightMm, overlapMm);
    return grid;
}

} // namespace drawing
