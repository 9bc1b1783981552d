#pragma once

// The program's words for a refusal of the dial engine or the wall survey. The engine says only
// which input it refused and why (gnomonics::EngineStatus); this is the one place that turns
// that into what a user reads, in the program's language, for every window, the project file
// and the command line alike.

#include "gnomonics/enginestatus.h"

#include <string>

namespace sheet {

// A whole sentence for a message line or a dialog ("La latitudine deve essere compresa tra
// -89,99 e 89,99 gradi."), or the short note a form writes beside the field itself ("la
// latitudine va da -89,99 a 89,99"). A refusal without a note of its own is said by its sentence.
enum class RefusalWording { Sentence, Note };

// The words for a refusal; empty for a status that is ok. Every field and reason the engine and
// the survey give has a sentence of its own naming the field; anything else gets the words of
// its reason alone. The row of a survey's reading is not in the words: the form shows the note
// in that row.
std::string RefusalText(gnomonics::EngineStatus status, RefusalWording wording = RefusalWording::Sentence);

} // namespace sheet
