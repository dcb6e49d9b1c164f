#pragma once
#include <string>
#include <vector>

#include "ui/win32/Form_win.h"

namespace fenu {

// The list of all abbreviations; a double click, "Schliessen" or Escape closes it.
class TfrmKurzListeView : public ui::Form {
 public:
  explicit TfrmKurzListeView(std::vector<std::string> items)
      : Form(L"TfrmKurzListe", 220, 260), items_(std::move(items)) {
    SetCentreOnScreen(false);
  }
  enum Id { btnSchliessen = IDCANCEL, ListBox1 = 101 };
  // The entry selected when the window closed, if any.
  std::string chosen;

 protected:
  void OnCreate() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnClose(int result) override;
  HWND InitialFocus() override { return Item(ListBox1); }

 private:
  std::vector<std::string> items_;
};

}  // namespace fenu
