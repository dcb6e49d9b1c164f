#pragma once
// Operations on the trees of the management and archive windows: name and quick-key clashes
// among siblings, and moving an entry with everything below it.
#include <functional>
#include <string_view>

#include "model/TreeFile.h"

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

// True when match holds for a sibling of node (node itself only with includeSelf), scanning from
// the first sibling to the last; false for nullptr.
bool AnySibling(const TreeNode* node, bool includeSelf, const std::function<bool(const TreeNode&)>& match);

}  // namespace fenu
