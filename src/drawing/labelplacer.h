#pragma once

// Where the names of the lines go. Every piece of every hour and date line carries its name,
// and O and F theirs: next to the line where its box meets neither its own line nor another
// name and stands clearly nearer its own line than any other of its family; where short lines
// crowd, a size smaller (down to 2 mm); then farther out on the line's prolongation or a little
// apart, tied to the line by a thin leader; at worst anywhere on the plate free of other names,
// or beside it. No name is left out.

#include "drawing/dialsketch.h"

#include <string>
#include <vector>

namespace drawing {

struct PendingLabel {
    std::string text;
    Layer layer;
    long ownLine;            // index in sketch.lines of its own line's first piece, -1 for none
    std::vector<Pt> anchors; // where it may stand, best first
    std::vector<Pt> outward; // for each anchor, the direction away from the mark
    long ownEnd = -1;        // one past its own line's last piece
    std::vector<bool> atEnd; // for each anchor, whether it is an end of a piece
    long piece = -1;         // the piece of its line it names, when the line has several
    // Every other piece that bears the same name (of its own line, or of the other half of a
    // split analemma); the label must stand nearer its own piece than any of them.
    std::vector<long> namesakes;
};

// Sets the names of the marks (O, F: ownLine -1) and then of the lines on the sketch, inside
// its plate, at labelMm where they fit. The sketch's dots are kept clear. Returns the leaders,
// for the caller to add to the sketch's lines: until then the lines are only read, so that
// another thread may read them too.
[[nodiscard]] std::vector<Polyline> PlaceLabels(DialSketch &sketch, const std::vector<PendingLabel> &marks,
                                                const std::vector<PendingLabel> &lineNames, double labelMm);

} // namespace drawing
