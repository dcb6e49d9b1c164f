#pragma once
// Shows a core tree in a Win32 tree view: one item per node, the node as the item's lParam,
// expanded as the node says.
#include <windows.h>
#include <commctrl.h>

#include <unordered_map>

#include "model/TreeFile.h"

namespace fenu::ui {

using TreeItems = std::unordered_map<const TreeNode*, HTREEITEM>;

// Replaces the view's items by the tree's and selects the tree's selected node.
void FillTreeView(HWND view, const TTreeViewEx& tree, TreeItems& items);
// Selects the item of the tree's selected node (nothing when it has none) and shows it.
void SelectTreeItem(HWND view, const TTreeViewEx& tree, const TreeItems& items);
// The node of an item.
TreeNode* NodeOfItem(HWND view, HTREEITEM item);

}  // namespace fenu::ui
