#pragma once
// Shows a core tree in a Win32 tree view: one item per node, the node as the item's lParam,
// expanded as the node says.
//
// Items are made only for nodes that can be seen: the top level and the children of expanded
// nodes. A collapsed node with children gets an item with a button and no child items; they are
// inserted when it first expands (the owner passes TVN_ITEMEXPANDINGW to FillOnExpanding), or
// when the program selects a node below it (EnsureTreeItem). Inserting an item costs a lot under
// Wine, and a database or archive of thousands of entries would otherwise open slowly.
#include <windows.h>
#include <commctrl.h>

#include <unordered_map>

#include "model/TreeFile.h"

namespace fenu::ui {

// The items made so far; a node inside a branch that was never opened has none.
using TreeItems = std::unordered_map<const TreeNode*, HTREEITEM>;

// Replaces the view's items by the tree's and selects the tree's selected node.
void FillTreeView(HWND view, const TTreeViewEx& tree, TreeItems& items);
// The owner's TVN_ITEMEXPANDINGW: an item that expands gets its child items if it has none yet.
// Never refuses the expansion.
void FillOnExpanding(HWND view, const NMTREEVIEWW& info, TreeItems& items);
// The item of node, made with its siblings (and those of its ancestors) when it is missing;
// nullptr for no node, or a node the view does not show.
HTREEITEM EnsureTreeItem(HWND view, const TreeNode* node, TreeItems& items);
// Selects the item of the tree's selected node (nothing when it has none) and shows it.
void SelectTreeItem(HWND view, const TTreeViewEx& tree, TreeItems& items);
// The node of an item.
TreeNode* NodeOfItem(HWND view, HTREEITEM item);

}  // namespace fenu::ui
