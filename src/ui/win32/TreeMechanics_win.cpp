#include "ui/win32/TreeMechanics_win.h"

#include <utility>

#include "ui/win32/AppError_win.h"
#include "ui/win32/Dpi_win.h"
#include "ui/win32/Text_win.h"
#include "ui/win32/TreeViewFill_win.h"

namespace fenu::ui {
namespace {

// A pointer closer than this to the tree's top or bottom edge (96-DPI pixels) scrolls it.
constexpr int kDragEdge = 15;
constexpr UINT_PTR kSubclassId = 0x7E3;

}  // namespace

TreeMechanics::~TreeMechanics() {
  if (tree_ && IsWindow(tree_)) RemoveWindowSubclass(tree_, TreeProc, kSubclassId);
}

void TreeMechanics::Attach(HWND owner, HWND tree, Events events) {
  owner_ = owner;
  tree_ = tree;
  events_ = std::move(events);
  if (events_.canEdit) SetWindowSubclass(tree_, TreeProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

TreeNode* TreeMechanics::NodeAt(HWND tree, POINT screen) {
  TVHITTESTINFO hit{};
  hit.pt = screen;
  ScreenToClient(tree, &hit.pt);
  HTREEITEM item = TreeView_HitTest(tree, &hit);
  if (!item || !(hit.flags & TVHT_ONITEM)) return nullptr;
  return NodeOfItem(tree, item);
}

// F2 is taken when it is released, so that its key-down has passed the tree first.
LRESULT CALLBACK TreeMechanics::TreeProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<TreeMechanics*>(data);
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, TreeProc, kSubclassId);
    self->tree_ = nullptr;
  } else if (msg == WM_KEYUP && wParam == VK_F2) {
    FENU_GUARDED({
      HTREEITEM item = TreeView_GetSelection(hwnd);
      if (item && self->events_.canEdit(NodeOfItem(hwnd, item))) TreeView_EditLabel(hwnd, item);
    })
    return 0;
  }
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

bool TreeMechanics::OnNotify(const NMHDR* header, LRESULT& result) {
  if (header->hwndFrom != tree_) return false;
  switch (header->code) {
    case TVN_BEGINDRAGW: {
      const auto* info = reinterpret_cast<const NMTREEVIEWW*>(header);
      dragged_ = reinterpret_cast<TreeNode*>(info->itemNew.lParam);
      SetCapture(owner_);
      result = 0;
      return true;
    }
    case TVN_BEGINLABELEDITW: {
      if (!events_.canEdit) return false;
      const auto* info = reinterpret_cast<const NMTVDISPINFOW*>(header);
      // TRUE cancels the edit. Only a tree that has the keyboard focus edits: the click on a
      // selected entry starts a timer that may run out after the user went on elsewhere (a
      // button, a dialog), and the edit would then take the keys meant for that.
      const bool focused = GetFocus() == tree_;
      result = focused && events_.canEdit(reinterpret_cast<const TreeNode*>(info->item.lParam)) ? FALSE : TRUE;
      return true;
    }
    case TVN_ENDLABELEDITW: {
      if (!events_.edited) return false;
      const auto* info = reinterpret_cast<const NMTVDISPINFOW*>(header);
      // The label is left to the window, which shows the name its logic kept.
      result = FALSE;
      if (info->item.pszText)
        events_.edited(reinterpret_cast<TreeNode*>(info->item.lParam), FromWide(info->item.pszText));
      return true;
    }
    default:
      return false;
  }
}

void TreeMechanics::DragOver() {
  POINT at;
  GetCursorPos(&at);
  POINT inTree = at;
  ScreenToClient(tree_, &inTree);
  RECT client;
  GetClientRect(tree_, &client);
  const int edge = MulDiv(kDragEdge, DpiOf(tree_), 96);
  if (inTree.y < edge) SendMessageW(tree_, WM_VSCROLL, SB_LINEUP, 0);
  else if (inTree.y > client.bottom - edge) SendMessageW(tree_, WM_VSCROLL, SB_LINEDOWN, 0);
  TVHITTESTINFO hit{};
  hit.pt = inTree;
  TreeView_SelectDropTarget(tree_, TreeView_HitTest(tree_, &hit));
  InvalidateRect(tree_, nullptr, FALSE);
  UpdateWindow(tree_);
}

void TreeMechanics::FinishDrag(bool drop) {
  TreeNode* dragged = std::exchange(dragged_, nullptr);
  TreeView_SelectDropTarget(tree_, nullptr);
  if (GetCapture() == owner_) ReleaseCapture();
  if (!drop) return;
  POINT at;
  GetCursorPos(&at);
  events_.drop(dragged, NodeAt(tree_, at));
}

bool TreeMechanics::OnMessage(UINT msg, WPARAM, LPARAM lParam) {
  if (!dragged_) return false;
  switch (msg) {
    case WM_MOUSEMOVE:
      DragOver();
      return true;
    case WM_LBUTTONUP:
      FinishDrag(true);
      return true;
    case WM_CAPTURECHANGED:
      // Another window took the mouse (a box, Alt+Tab): the drag ends without a drop.
      if (reinterpret_cast<HWND>(lParam) != owner_) FinishDrag(false);
      return false;
    default:
      return false;
  }
}

}  // namespace fenu::ui
