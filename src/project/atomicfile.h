#pragma once

#include <string>
#include <string_view>

namespace project {

// Writes bytes to path through a temporary file in the same folder, flushed and then renamed
// over path, so that a full disk or a crash never leaves half a file: either the old file (or
// none) or the whole new one. On failure returns false, removes the temporary file and puts
// the reason in Italian into *error.
bool WriteFileAtomically(const std::string &path, std::string_view bytes, std::string *error);

// A temporary path next to path (same folder, so that a rename is atomic), not yet existing.
std::string TemporaryPathBeside(const std::string &path);

} // namespace project
