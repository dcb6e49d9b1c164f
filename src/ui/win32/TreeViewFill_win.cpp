#include "ui/win32/TreeViewFill_win.h"

#include <string>

#include "ui/win32/Text_win.h"

namespace fenu::ui {
namespace {

// Inserts the children of node (nullptr: the top level) under parent; an expanded child gets its
// own children and is expanded, a collapsed one only its button.
void InsertChildren(HWND view, HTREEITEM parent, const TreeNode* node, const TTreeViewEx* tree, TreeItems& items) {
  const std::size_t count = node ? node->Count() : tree->TopCount();
  for (std::size_t i = 0; i < count; ++i) {
    const TreeNode* child = node ? node->Item(i) : tree->TopItem(i);
    const std::wstring text = ToWide(child->text);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_CHILDREN;
    insert.item.pszText = const_cast<wchar_t*>(text.c_str());
    insert.item.iImage = child->imageIndex;
    insert.item.iSelectedImage = child->selectedIndex;
    insert.item.lParam = reinterpret_cast<LPARAM>(child);
    insert.item.cChildren = child->HasChildren() ? 1 : 0;
    HTREEITEM item = TreeView_InsertItem(view, &insert);
    items[child] = item;
    if (child->expanded && child->HasChildren()) {
      // The children go in first: the expansion then finds them and adds nothing.
      InsertChildren(view, item, child, nullptr, items);
      TreeView_Expand(view, item, TVE_EXPAND);
    }
  }
}

// Makes the child items of an item that has none.
void FillChildren(HWND view, HTREEITEM item, const TreeNode* node, TreeItems& items) {
  if (node && node->HasChildren() && !TreeView_GetChild(view, item)) InsertChildren(view, item, node, nullptr, items);
}

}  // namespace

void FillTreeView(HWND view, const TTreeViewEx& tree, TreeItems& items) {
  SendMessageW(view, WM_SETREDRAW, FALSE, 0);
  TreeView_DeleteAllItems(view);
  items.clear();
  InsertChildren(view, TVI_ROOT, nullptr, &tree, items);
  SendMessageW(view, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(view, nullptr, TRUE);
  SelectTreeItem(view, tree, items);
}

void FillOnExpanding(HWND view, const NMTREEVIEWW& info, TreeItems& items) {
  if (!(info.action & TVE_EXPAND)) return;
  FillChildren(view, info.itemNew.hItem, reinterpret_cast<const TreeNode*>(info.itemNew.lParam), items);
}

HTREEITEM EnsureTreeItem(HWND view, const TreeNode* node, TreeItems& items) {
  if (!node) return nullptr;
  if (const auto it = items.find(node); it != items.end()) return it->second;
  // The top level is always there; a missing node lies in a branch that was never opened.
  const TreeNode* parent = node->Parent();
  HTREEITEM parentItem = parent ? EnsureTreeItem(view, parent, items) : nullptr;
  if (!parentItem) return nullptr;
  FillChildren(view, parentItem, parent, items);
  const auto it = items.find(node);
  return it == items.end() ? nullptr : it->second;
}

void SelectTreeItem(HWND view, const TTreeViewEx& tree, TreeItems& items) {
  HTREEITEM wanted = EnsureTreeItem(view, tree.Selected(), items);
  if (TreeView_GetSelection(view) != wanted) TreeView_SelectItem(view, wanted);
  if (wanted) TreeView_EnsureVisible(view, wanted);
}

TreeNode* NodeOfItem(HWND view, HTREEITEM item) {
  if (!item) return nullptr;
  TVITEMW tvItem{};
  tvItem.mask = TVIF_PARAM;
  tvItem.hItem = item;
  TreeView_GetItem(view, &tvItem);
  return reinterpret_cast<TreeNode*>(tvItem.lParam);
}

}  // namespace fenu::ui
