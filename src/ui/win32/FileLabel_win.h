#pragma once
// The Win32 side of TFileLabel: a STATIC control (no word wrap) that measures the path in its own
// font and shortens it again whenever it is resized or gets another font.
#include <windows.h>

#include <string_view>

#include "model/TFileLabel.h"

namespace fenu::ui {

class FileLabelView {
 public:
  FileLabelView();
  ~FileLabelView();
  FileLabelView(const FileLabelView&) = delete;
  FileLabelView& operator=(const FileLabelView&) = delete;

  // Takes over a STATIC control created by the window (e.g. with Form::AddLabel); the control
  // must outlive nothing: it may be destroyed before or after this object.
  void Attach(HWND label);
  HWND Handle() const { return label_; }

  TFileLabel& Logic() { return logic_; }
  void SetFileName(std::string_view fileName) { logic_.SetFileName(fileName); }

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR data);
  int Measure(std::string_view text) const;
  void UpdateWidth();
  void Render();
  void Detach();

  TFileLabel logic_;
  HWND label_ = nullptr;
};

}  // namespace fenu::ui
