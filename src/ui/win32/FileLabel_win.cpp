#include "ui/win32/FileLabel_win.h"

#include <commctrl.h>

#include <string>

#include "ui/win32/AppError_win.h"
#include "ui/win32/GdiObject_win.h"
#include "ui/win32/Text_win.h"

namespace fenu::ui {
namespace {
constexpr UINT_PTR kSubclassId = 0x46494C45;  // "FILE"
}  // namespace

FileLabelView::FileLabelView() : logic_([this](std::string_view text) { return Measure(text); }) {
  logic_.OnCaptionChanged = [this] { Render(); };
}

FileLabelView::~FileLabelView() { Detach(); }

void FileLabelView::Attach(HWND label) {
  Detach();
  label_ = label;
  if (!label_) return;
  // No wrapping and no "&" prefixes: the path is shown as one line, as it is.
  const LONG_PTR style = GetWindowLongPtrW(label_, GWL_STYLE);
  SetWindowLongPtrW(label_, GWL_STYLE, (style & ~static_cast<LONG_PTR>(SS_TYPEMASK)) | SS_LEFTNOWORDWRAP | SS_NOPREFIX);
  SetWindowSubclass(label_, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  UpdateWidth();
  logic_.FontChanged();
  Render();
}

void FileLabelView::Detach() {
  if (!label_) return;
  RemoveWindowSubclass(label_, SubclassProc, kSubclassId);
  label_ = nullptr;
}

int FileLabelView::Measure(std::string_view text) const {
  if (!label_) return 0;
  const std::wstring wide = ToWide(text);
  const WindowDc dc(label_);
  if (!dc) return 0;
  const Selection selectFont(dc.Get(), reinterpret_cast<HFONT>(SendMessageW(label_, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc.Get(), wide.c_str(), static_cast<int>(wide.size()), &size);
  return size.cx;
}

void FileLabelView::UpdateWidth() {
  RECT client{};
  GetClientRect(label_, &client);
  logic_.SetWidth(client.right - client.left);
}

void FileLabelView::Render() {
  if (!label_) return;
  SetWindowTextW(label_, ToWide(logic_.Caption()).c_str());
}

LRESULT CALLBACK FileLabelView::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR data) {
  auto* view = reinterpret_cast<FileLabelView*>(data);
  FENU_GUARDED({
    switch (msg) {
      case WM_SIZE: {
        const LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
        view->UpdateWidth();
        return result;
      }
      case WM_SETFONT: {
        const LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
        view->logic_.FontChanged();
        return result;
      }
      case WM_NCDESTROY:
        view->Detach();
        return DefSubclassProc(hwnd, msg, wParam, lParam);
      default:
        return DefSubclassProc(hwnd, msg, wParam, lParam);
    }
  })
}

}  // namespace fenu::ui
