#pragma once
// What is wrong with a building-block database on disk, as `fenu-cli db check` reports it.
#include <string>
#include <string_view>
#include <vector>

namespace fenu {

// One German line per problem (cp1252), in this order: an unreadable tree file (nothing else is
// checked then), not exactly one base entry at the top, entries of unknown kind, data blocks that
// are missing, superfluous or not 127 bytes long, quick keys and abbreviations that the
// management window would not store (IsStoredQuickKey, IsStoredAbbreviation), blocks with entries
// below them, blocks without a usable text file name or whose text file is missing, text files in
// the block folder that no entry names, abbreviations used twice (without regard to case, as the
// index reads them), quick keys used twice among siblings, and an abbreviation index (".kdb"
// beside the tree file) that cannot be read, or every way it differs from what saving the tree
// would write. Entries are named
// by their captions from the base entry down, separated by "\". An empty list: nothing found.
std::vector<std::string> CheckDatabase(std::string_view databaseFile);

}  // namespace fenu
