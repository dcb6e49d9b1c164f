#pragma once
// The text files of the tree stores (block texts, archive texts): one plain cp1252 file per
// entry in a flat folder, named after the entry's 13-digit time identifier.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/TextLines.h"

namespace fenu {

inline constexpr const char* kTextFileExtension = ".txt";

// Texts: lines separated by CR LF, no break after the last line, cp1252, no header. A lone CR or
// LF read from a file also counts as a line break (NormalizeLineBreaks of core/TextLines).
// The lines of a text; a break at the very end starts no further line ("" has no lines).
std::vector<std::string> SplitTextLines(std::string_view text);

// The text of a file with its line breaks made CR LF, or nothing when there is no file.
std::optional<std::string> ReadTextFile(std::string_view path);
// Writes the text exactly as given; the old file is replaced only once the new one is complete.
// Throws FileError.
void WriteTextFile(std::string_view path, std::string_view text);

// Whether a text file name names a file directly inside the text folder: not empty, no folder
// separators, drive colons or characters Windows forbids in names, not "." or "..", and no
// device name (CON, NUL, COM1, ...). A file name from a foreign tree is used only then.
bool IsSafeTextFileName(std::string_view name);

// The ".txt" files in a text folder (cp1252 names, sorted); names that cp1252 cannot hold are
// left out.
std::vector<std::string> ListTextFiles(std::string_view textDir);

// The 13-digit identifier of an entry created at that local time: day, month, year without
// century, hour, minute, millisecond (no seconds), e.g. 9.12.2026 14:05:33.123 -> 0912261405123.
// Blocks (BlockId) and archive texts (TextId) are named alike.
std::string MakeTimeId(int day, int month, int year, int hour, int minute, int millisecond);
// The identifier for now, by the local clock.
std::string CurrentTimeId();

}  // namespace fenu
