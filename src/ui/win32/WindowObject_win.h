#pragma once
// The window procedure of a class whose windows each belong to one C++ object: CreateWindowExW
// gets the object as its creation parameter, the object learns its handle on WM_NCCREATE and
// handles every message from then on, guarded (AppError_win.h). Messages before that, and after
// the object has let go of its window (user data set back to 0), go to the default procedure.
#include <windows.h>

#include "ui/win32/AppError_win.h"

namespace fenu::ui {

enum class DefaultProc { Window, Dialog };

template <class T, HWND T::*Handle, LRESULT (T::*Handler)(UINT, WPARAM, LPARAM), DefaultProc Default>
LRESULT ObjectWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* created = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    created->*Handle = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* object = reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!object) {
    return Default == DefaultProc::Dialog ? DefDlgProcW(hwnd, msg, wParam, lParam)
                                          : DefWindowProcW(hwnd, msg, wParam, lParam);
  }
  FENU_GUARDED(return (object->*Handler)(msg, wParam, lParam);)
}

}  // namespace fenu::ui
