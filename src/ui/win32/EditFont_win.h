#pragma once
// The user's font for a window's big text field: kept as a FontSpec (colour included), made for
// the window's DPI, and its colour given by the parent's WM_CTLCOLOREDIT.
#include <windows.h>

#include <string>

#include "platform/FontSpec.h"
#include "ui/win32/GdiObject_win.h"

namespace fenu::ui {

class EditFont {
 public:
  // base (the window's message font) at dpi, changed by what fontString holds (empty: nothing).
  void Init(HFONT base, const std::string& fontString, int dpi);
  FontSpec& Spec() { return spec_; }
  const FontSpec& Spec() const { return spec_; }

  // Gives edit the font made for dpi.
  void Apply(HWND edit, int dpi);
  // After a DPI change: the font made anew, once it was applied.
  void Reapply(HWND edit, int dpi) {
    if (handle_) Apply(edit, dpi);
  }
  // The parent's WM_CTLCOLOREDIT: true, with the brush in result, when control is edit.
  bool OnCtlColorEdit(HWND edit, WPARAM dc, LPARAM control, LRESULT& result) const;

 private:
  FontSpec spec_;
  Font handle_;
};

}  // namespace fenu::ui
