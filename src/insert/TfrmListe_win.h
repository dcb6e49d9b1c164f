#pragma once
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "insert/TfrmListe.h"
#include "insert/TfrmSearch_win.h"
#include "ui/win32/Form_win.h"
#include "ui/win32/GdiObject_win.h"
#include "ui/win32/TreeViewFill_win.h"

namespace fenu {

class TfrmListeView : public ui::Form {
 public:
  TfrmListeView(TfrmListe& logic, Services& services);
  ~TfrmListeView() override;

  enum Id {
    Label1 = 101, GradientBar = 102, btnTree = 103, btnList = 104, btnPreview = 105, btnNoPreview = 106,
    btnSuchen = 107, btnCancel = IDCANCEL, btnHilfe = 108, lv_Link = 110, tv_eg5 = 111, Splitter1 = 112, Memo1 = 113,
    StatusBar = 114,
  };

 protected:
  void OnCreate() override;
  void OnShow() override;
  void OnResize(int width, int height) override;
  void OnDpiChanged(int oldDpi) override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnClose(int result) override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  HWND InitialFocus() override { return Item(lv_Link); }
  bool OnHelp() override {
    logic_.btnHilfeClick();
    return true;
  }

 private:
  static LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data);
  bool OnNotify(NMHDR* header);
  void Render();
  void FillList();
  void OpenSearch();
  void AfterLogic();

  TfrmListe& logic_;
  Services& services_;
  ui::ImageList images_;
  ui::TreeItems items_;
  int renderedTreeVersion_ = -1;
  std::vector<TreeNode*> renderedNodes_;
  bool rendering_ = false;
  // The search window while it is open; released after it closes.
  std::unique_ptr<TfrmSearch> search_;
  std::unique_ptr<TfrmSearchView> searchView_;
};

}  // namespace fenu
