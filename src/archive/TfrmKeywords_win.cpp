#include "archive/TfrmKeywords_win.h"

#include <memory>

#include "archive/TfrmKeywords.h"
#include "ui/win32/Form_win.h"
#include "ui/win32/Text_win.h"

namespace fenu {
namespace {

// Lives as long as its window: it deletes itself when the window is gone, closed by the user or
// destroyed with its owner.
class TfrmKeywordsView : public ui::Form {
 public:
  TfrmKeywordsView(Services& services, IArchiveTreeAccess& archive)
      : Form(L"TfrmKeywords", 300, 170), logic_(services, archive) {}

  enum Id {
    btnOk = IDOK,
    btnAbbrechen = IDCANCEL,
    Label1 = 101,
    rbBegin = 102,
    rbPosition = 103,
    Label2 = 104,
    txtKeyword = 105,
  };

 protected:
  void OnCreate() override {
    SetCaption(TfrmKeywords::kCaption);
    AddLabel(Label1, TfrmKeywords::kLabel1, 12, 10, 276, 16);
    AddControl(rbBegin, L"BUTTON", TfrmKeywords::kRbBegin, WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 24, 28, 264, 20);
    AddControl(rbPosition, L"BUTTON", TfrmKeywords::kRbPosition, BS_AUTORADIOBUTTON, 24, 50, 264, 20);
    AddFieldLabel(Label2, TfrmKeywords::kLabel2, 12, 80, 276, 16);
    AddControl(txtKeyword, L"EDIT", "", WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL, 12, 98, 276, 23, WS_EX_CLIENTEDGE);
    AddButton(btnOk, TfrmKeywords::kBtnOk, 112, 134, 84, 26, true);
    AddButton(btnAbbrechen, TfrmKeywords::kBtnAbbrechen, 204, 134, 84, 26);
  }
  void OnShow() override { Render(); }
  HWND InitialFocus() override { return Item(txtKeyword); }

  bool OnCommand(int id, int code, HWND control) override {
    switch (id) {
      case txtKeyword:
        if (code != EN_CHANGE) return false;
        logic_.txtKeywordChange(ui::GetText(control));
        break;
      case rbBegin:
      case rbPosition:
        if (code != BN_CLICKED) return false;
        if (id == rbBegin)
          logic_.rbBeginClick();
        else
          logic_.rbPositionClick();
        break;
      case btnOk:
        if (logic_.btnOkEnabled) logic_.btnOkClick();  // Enter reaches a disabled default button too
        break;
      case btnAbbrechen:
        DestroyWindow(Handle());
        return true;
      default:
        return false;
    }
    Render();
    return true;
  }

  void OnDestroyed() override { delete this; }

 private:
  void Render() {
    CheckRadioButton(Handle(), rbBegin, rbPosition, logic_.rbBegin ? rbBegin : rbPosition);
    EnableItem(btnOk, logic_.btnOkEnabled);
  }

  TfrmKeywords logic_;
};

}  // namespace

void ShowKeywordWindow(HWND owner, POINT topLeft, IArchiveTreeAccess& archive, Services& services,
                       const std::string& /*appDir*/) {
  auto view = std::make_unique<TfrmKeywordsView>(services, archive);
  HWND window = view->Create(owner);
  SetWindowPos(window, HWND_TOPMOST, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  view->ShowModeless(owner);
  (void)view.release();  // its window's now
}

}  // namespace fenu
