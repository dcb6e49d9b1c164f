#include "ui/win32/TreeViewFill_win.h"

#include <string>

#include "ui/win32/Text_win.h"

namespace fenu::ui {
namespace {

void InsertChildren(HWND view, HTREEITEM parent, const TreeNode* node, const TTreeViewEx& tree, TreeItems& items) {
  const std::size_t count = node ? node->Count() : tree.TopCount();
  for (std::size_t i = 0; i < count; ++i) {
    const TreeNode* child = node ? node->Item(i) : tree.TopItem(i);
    const std::wstring text = ToWide(child->text);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<wchar_t*>(text.c_str());
    insert.item.iImage = child->imageIndex;
    insert.item.iSelectedImage = child->selectedIndex;
    insert.item.lParam = reinterpret_cast<LPARAM>(child);
    HTREEITEM item = TreeView_InsertItem(view, &insert);
    items[child] = item;
    InsertChildren(view, item, child, tree, items);
    if (child->expanded && child->HasChildren()) TreeView_Expand(view, item, TVE_EXPAND);
  }
}

}  // namespace

void FillTreeView(HWND view, const TTreeViewEx& tree, TreeItems& items) {
  SendMessageW(view, WM_SETREDRAW, FALSE, 0);
  TreeView_DeleteAllItems(view);
  items.clear();
  InsertChildren(view, TVI_ROOT, nullptr, tree, items);
  SendMessageW(view, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(view, nullptr, TRUE);
  SelectTreeItem(view, tree, items);
}

void SelectTreeItem(HWND view, const TTreeViewEx& tree, const TreeItems& items) {
  const auto it = items.find(tree.Selected());
  HTREEITEM wanted = it == items.end() ? nullptr : it->second;
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
