#pragma once

#include <string>
#include <string_view>

namespace project {

// Writes bytes to path through a temporary file in the same folder, flushed and then renamed
// over path, so that a full disk or a crash never leaves half a file: either the old file (or
// none) or the whole new one. On failure returns false, removes the temporary file and puts
// the reason in Italian into *error.
bool WriteFileAtomically(const std::string &path, std::string_view bytes, std::string *error);

// Renames a complete temporary file over path; on failure removes it and puts the reason in
// Italian (or the program's language) into *error. The last step of every atomic write, also
// for writers that fill the temporary file themselves (the DXF library writes to a name).
bool MoveIntoPlace(const std::string &temp, const std::string &path, std::string *error);

// A temporary path next to path (same folder, so that a rename is atomic), not yet existing.
std::string TemporaryPathBeside(const std::string &path);

} // namespace project
