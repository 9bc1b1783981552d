#pragma once

// The dial as a DXF drawing (release 12, ASCII) for a cutting plotter or a CAD program: 1 unit
// = 1 mm (the header says so: $INSUNITS 4, $MEASUREMENT 1), the dial's own frame (mm from the
// foot F, y up), one layer per family (ORE, ORE_CIVILI, ITALICHE, BABILONESI, DATE, STILO,
// LASTRA, TESTI, COSTRUZIONE), lines and polylines only, texts as TEXT on TESTI. Written with
// dxflib; characters beyond ASCII become \U+XXXX, which R12 readers turn back into the letter.

#include "drawing/dialsketch.h"

#include <string>

namespace drawing {

// Writes the sketch atomically (a temporary file beside path, checked complete, then renamed).
// False, with the reason in Italian in *error, when it could not; no file is left behind.
bool WriteDialDxf(const std::string &path, const DialSketch &sketch, std::string *error);

} // namespace drawing
