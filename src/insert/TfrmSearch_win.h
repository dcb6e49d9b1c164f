#pragma once
#include <windows.h>

#include <functional>

#include "insert/TfrmSearch.h"
#include "ui/win32/Form_win.h"

namespace fenu {

// The search window: modeless, on top of the selection window, which stays usable beside it.
class TfrmSearchView : public ui::Form {
 public:
  // changed: a search moved the selection window's state; closed: the window has closed and may
  // be released (from a later message, not from inside its own handlers).
  TfrmSearchView(TfrmSearch& logic, std::function<void()> changed, std::function<void()> closed);

  enum Id { btnOk = IDOK, btnAbbrechen = IDCANCEL, lblKeyword = 101, txtKeyword = 102, lblFrom = 103, rbBegin = 104,
            rbPosition = 105 };

 protected:
  void OnCreate() override;
  HWND InitialFocus() override { return Item(txtKeyword); }
  bool OnCommand(int id, int code, HWND control) override;
  void OnClose(int result) override;

 private:
  void Render();

  TfrmSearch& logic_;
  std::function<void()> changed_;
  std::function<void()> closed_;
  bool closedByButton_ = false;
};

}  // namespace fenu
