#pragma once
// What the checks of the tree stores (`fenu-cli db check`, `fenu-cli archive check`) share: how
// they name entries, and the problems every store with a flat folder of text files can have.
#include <string>
#include <string_view>
#include <vector>

#include "model/TreeFile.h"

namespace fenu {

// A text in double quotes.
std::string Quoted(std::string_view text);
// The parts separated by ", ".
std::string Join(const std::vector<std::string>& parts);
// The captions from the base entry down, separated by "\"; of a very deep entry only the
// innermost ten.
std::string EntryPath(const TreeNode& node);

// Loads a tree file for a check; false, with "Baumdatei nicht lesbar: ..." as the only problem,
// when it cannot be read.
bool LoadTreeForCheck(TTreeViewEx& tree, std::string_view treeFile, std::vector<std::string>& problems);

// Not exactly one entry at the top, or that one not a base entry (image 0).
void CheckSingleBase(const TTreeViewEx& tree, std::vector<std::string>& problems);

// The ".txt" files in textDir (with its trailing separator) that no entry's record names
// (without regard to case, as Windows finds files).
void CheckUnreferencedTexts(const TTreeViewEx& tree, const std::string& textDir, std::vector<std::string>& problems);

}  // namespace fenu
