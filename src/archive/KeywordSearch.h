#pragma once
// The keyword search of the archive: finds texts whose keyword line contains a search text,
// walking the archive tree in display order.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/TreeFile.h"

namespace fenu {

// The position of node in display order, the first node of the tree being 0; nothing (npos) for
// nullptr or a node of another tree.
std::size_t AbsoluteIndex(const TTreeViewEx& tree, const TreeNode* node);

struct KeywordSearchResult {
  TreeNode* hit = nullptr;  // the first entry found, or nullptr
  bool notFound = false;    // nothing found after the start: the not-found message is due
};

// Walks the nodes after the one at startIndex (display order) to the last one and stops at the
// first entry with a record whose keyword line contains keyword, both with a to z folded; entries
// without a record (the Root) are skipped. A search from the beginning starts at 0; one from the
// selection at its AbsoluteIndex, and without a selection (npos) from the beginning. Nothing after
// the start (the start is the last node) is no search at all: no hit and no message. Otherwise a
// walk without a hit calls for the message.
KeywordSearchResult FindKeyword(const TTreeViewEx& tree, std::size_t startIndex, std::string_view keyword);

// Every entry whose keyword line contains keyword, in display order (the same test).
std::vector<const TreeNode*> FindAllKeywords(const TTreeViewEx& tree, std::string_view keyword);

// "\"<keyword>\" konnte nicht gefunden werden.", with keyword as typed.
std::string KeywordNotFoundText(std::string_view keyword);

}  // namespace fenu
