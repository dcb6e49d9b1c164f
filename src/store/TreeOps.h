#pragma once
// Operations on the trees of the management and archive windows: name and quick-key clashes
// among siblings, and moving an entry with everything below it.
#include <string_view>

#include "store/TreeFile.h"

namespace fenu {

// False when node is nullptr. Otherwise true if includeSelf is set and node's caption equals
// name, or if any sibling before or after node has that caption; captions are compared without
// regard to the case of ASCII letters. Called with the first child of a folder, it answers
// whether the folder already has a child of that name.
bool NameExists(const TreeNode* node, std::string_view name, bool includeSelf);

// True if b is a, or a is reached by walking up from b through its parents.
bool IsAncestorOrSelf(const TreeNode* a, const TreeNode* b);

// Makes source, with its whole subtree, the last child of target. Captions, images, data blocks
// and the order of the children go along; the state images of the moved entries are reset to -1.
// Nothing is sorted. The moved entry stays the same object (a selection of it stays). Returns it,
// or nullptr without changing anything when target is source or lies below it.
TreeNode* MoveSubtree(TTreeViewEx& tree, TreeNode& source, TreeNode& target);

// False when key is empty or node is nullptr; otherwise compares key, without regard to case, with
// the QuickKey of node (only with includeSelf) and of every sibling before and after it. Entries
// without a building-block record have no quick key.
bool QuickKeyExists(const TreeNode* node, std::string_view key, bool includeSelf);

}  // namespace fenu
