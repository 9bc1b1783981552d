#pragma once

#include <string>
#include <string_view>

namespace files {

// Writes bytes to path (to the file it leads to when it is a symbolic link) through a temporary
// file in the same folder, flushed and then renamed over it, so that a full disk or a crash never leaves half a file: either the old file (or
// none) or the whole new one. On failure returns false, removes the temporary file and puts
// the reason in Italian into *error.
bool WriteFileAtomically(const std::string &path, std::string_view bytes, std::string *error);

// Renames a complete temporary file over path; on failure removes it and puts the reason in
// Italian (or the program's language) into *error. The last step of every atomic write, also
// for writers that fill the temporary file themselves (the DXF library writes to a name).
bool MoveIntoPlace(const std::string &temp, const std::string &path, std::string *error);

// Why the system refused a file operation (errno), in words of the program's language: "il disco
// è pieno", "permesso negato", ...
std::string SystemReason(int error);
// The sentence for a folder where no file can be made, and for a file whose bytes did not all
// reach the disk, with the reason in words.
std::string FolderRefusal(const std::string &path, int error);
std::string WriteRefusal(const std::string &path, int error);

// A temporary path next to the file path names (same folder, so that a rename is atomic), not
// yet existing, with a short name of its own.
std::string TemporaryPathBeside(const std::string &path);

// The file a write to path replaces: path itself, or, when path is a symbolic link, the file
// it leads to (as editors do: the link stays a link and its file gets the new contents).
std::string FinalTarget(const std::string &path);

} // namespace files
