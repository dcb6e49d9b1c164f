#pragma once
// The archive window on screen: the heading strip, the tree with its buttons, the splitter, the
// fields of the selected text, the status line and the menu bar. Every event goes to
// TfrmVerwaltung; this view only shows its state.
#include <windows.h>
#include <commctrl.h>

#include "archive/MemoSearch_win.h"
#include "archive/TfrmVerwaltung.h"
#include "model/FontString.h"
#include "platform/Services.h"
#include "ui/win32/EditFont_win.h"
#include "ui/win32/Form_win.h"
#include "ui/win32/GdiObject_win.h"
#include "ui/win32/TreeMechanics_win.h"
#include "ui/win32/TreeViewFill_win.h"

namespace fenu {

class TfrmVerwaltungView : public ui::Form {
 public:
  TfrmVerwaltungView(TfrmVerwaltung& logic, Services& services);
  ~TfrmVerwaltungView() override;

  enum Id {
    Label1 = 200, Label10 = 201,
    TreeView = 210, btnNewFolder = 211, btnNewFile = 212, btnDelete = 213, Splitter1 = 214,
    lblName = 230, txtName = 231, lblKeywords = 232, txtKeywords = 233, btnSave = 234, lblText = 235, mmText = 236,
    StatusBar = 260,
  };

 protected:
  void OnCreate() override;
  void OnShow() override;
  void OnResize(int width, int height) override;
  void OnDpiChanged(int oldDpi) override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnCloseQuery(int result) override;
  void OnClose(int result) override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  HWND InitialFocus() override { return Item(TreeView); }
  bool OnHelp() override;

 private:
  LRESULT HandleField(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  bool OnNotify(NMHDR* header, LRESULT& result);
  void OnMenuPopup(HMENU popup);
  void ShowStatus(const std::string& text);

  void Render();
  void PostRender();
  void ChooseMemoFont();
  void SetSplitter(int x);
  void OpenKeywordWindow();

  TfrmVerwaltung& logic_;
  Services& services_;
  MemoSearchView memoSearch_;
  ui::ImageList images_;
  ui::TreeItems items_;
  ui::TreeMechanics treeMechanics_;
  int renderedTreeVersion_ = -1;
  bool rendering_ = false;
  int splitter_ = TfrmVerwaltung::kDefaultSplitter;  // width of the tree side in 96-DPI pixels
  ui::EditFont memoFont_;
};

}  // namespace fenu
