#pragma once
#include <windows.h>
#include <commctrl.h>


#include "model/FontString.h"
#include "store/TForm1.h"
#include "ui/win32/EditFont_win.h"
#include "ui/win32/FileLabel_win.h"
#include "ui/win32/Form_win.h"
#include "ui/win32/GdiObject_win.h"
#include "ui/win32/TreeMechanics_win.h"
#include "ui/win32/TreeViewFill_win.h"

namespace fenu {

class TForm1View : public ui::Form {
 public:
  explicit TForm1View(TForm1& logic);

  enum Id {
    Label21 = 200, Label8 = 201,
    tv_eg5 = 210, but_AddFolder = 211, but_AddFile = 212, but_Remove = 213, Splitter1 = 214,
    lblRootTitle = 220, lblDatabase = 221, FileLabel = 222, lblCount = 223, lblFolders = 224, Label17 = 225,
    lblBlocks = 226, Label18 = 227, lblTip = 228, lblTipText = 229,
    lblFolderTitle = 230, lblFName = 231, txtFName = 232, lblFShort = 233, txtFShort = 234, btnFOk = 235,
    lblFileTitle = 240, lblPName = 241, txtPName = 242, lblPShort = 243, txtPShort = 244, lblPLong = 245,
    txtPLong = 246, lblPShow = 247, cbxPShow = 248, btnPOk = 249, lblMemo = 250, Memo1 = 251, btnVariable = 252,
    btnPreview = 253,
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
  HWND InitialFocus() override { return Item(tv_eg5); }
  bool OnHelp() override;

 private:
  LRESULT HandleField(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
  bool OnNotify(NMHDR* header, LRESULT& result);
  // A field of the folder or block page, where Enter applies.
  bool IsPageField(HWND control) const;

  void Render();
  void RebuildTree();
  void SyncSelection();
  void ShowPage(Form1Page page);
  void SetHint(HWND control);
  void ChooseMemoFont();
  void SetSplitter(int width);

  TForm1& logic_;
  ui::ImageList images_;
  ui::FileLabelView fileLabel_;
  ui::TreeItems items_;
  int renderedTreeVersion_ = -1;
  bool rendering_ = false;
  int splitter_ = 233;  // width of the tree side in 96-DPI pixels
  ui::EditFont memoFont_;
  ui::TreeMechanics treeMechanics_;
  bool draggingSplitter_ = false;
};

}  // namespace fenu
