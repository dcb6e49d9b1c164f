#pragma once
// Writing store files so that a failure never loses what was there: the new content goes to a
// file of its own, is flushed to the disk, and only then takes the old file's name.
#include <string>
#include <string_view>

namespace fenu {

// Writes bytes to path + ".neu", flushed through to the disk, and returns that name. On failure
// (a full disk, a missing folder) the partial file is removed and FileError
// "nach <path> kann nicht geschrieben werden" is thrown.
std::string WriteTempFile(std::string_view path, std::string_view bytes);

// Renames from to to, replacing an existing file; false when that fails.
bool RenameReplacing(std::string_view from, std::string_view to);

// Removes a file; true when it is gone afterwards (also when it never existed).
bool RemoveFileIfExists(std::string_view path);

// WriteTempFile, then the new file takes path's name. A read-only file at path is not replaced
// (FileError), nor is anything else changed when writing fails.
void WriteFileSafely(std::string_view path, std::string_view bytes);

}  // namespace fenu
