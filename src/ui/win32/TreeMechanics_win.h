#pragma once
// The mechanics of a tree view that the tree windows share: dragging an entry with the mouse
// (the owner captures the mouse, the entry under the pointer is highlighted as the drop target,
// the tree scrolls by a line near its top and bottom edges, losing the capture cancels) and
// editing a name in place (the platform's gesture, or F2 released in the tree). What a drop or a
// new name means stays with the window's logic: the mechanics only ask and report.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "model/TreeFile.h"

namespace fenu::ui {

class TreeMechanics {
 public:
  struct Events {
    // The drag ended over target (nullptr: no entry under the pointer).
    std::function<void(TreeNode* source, TreeNode* target)> drop;
    // In-place editing, when set (the tree has TVS_EDITLABELS): whether node's name may be
    // edited, and the name the edit ended with (not called when it was cancelled).
    std::function<bool(const TreeNode* node)> canEdit;
    std::function<void(TreeNode* node, const std::string& name)> edited;
  };

  TreeMechanics() = default;
  ~TreeMechanics();
  TreeMechanics(const TreeMechanics&) = delete;
  TreeMechanics& operator=(const TreeMechanics&) = delete;

  // owner receives the tree's notifications and takes the mouse capture while dragging.
  void Attach(HWND owner, HWND tree, Events events);

  // The owner's WM_NOTIFY from the tree: TVN_BEGINDRAG, TVN_BEGINLABELEDIT, TVN_ENDLABELEDIT.
  // True when handled, with the notification's result.
  bool OnNotify(const NMHDR* header, LRESULT& result);
  // The owner's WM_MOUSEMOVE, WM_LBUTTONUP and WM_CAPTURECHANGED while a drag is on; true when
  // handled.
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  bool Dragging() const { return dragged_ != nullptr; }

  // The entry under a point of the screen, or nullptr.
  static TreeNode* NodeAt(HWND tree, POINT screen);

 private:
  static LRESULT CALLBACK TreeProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data);
  void DragOver();
  void FinishDrag(bool drop);

  HWND owner_ = nullptr;
  HWND tree_ = nullptr;
  Events events_;
  TreeNode* dragged_ = nullptr;
};

}  // namespace fenu::ui
