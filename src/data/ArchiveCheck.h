#pragma once
// What is wrong with a text archive on disk, as `fenu-cli archive check` reports it.
#include <string>
#include <string_view>
#include <vector>

namespace fenu {

// One German line per problem (cp1252), in this order: an unreadable tree file (nothing else is
// checked then), not exactly one Root at the top, Roots below the top or with a record, texts
// and folders without a record, records that are not 187 bytes long, texts with entries below
// them, texts without a usable text file name or whose file is missing in the text folder, files
// in the text folder that no entry names, and text files that more than one entry names (without
// regard to case, as Windows finds files). Entries are named by their captions from the Root
// down, separated by "\". An empty list: nothing found.
std::vector<std::string> CheckArchive(std::string_view archiveFile);

}  // namespace fenu
