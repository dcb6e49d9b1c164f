#pragma once
// The window procedure of a class whose windows each belong to one C++ object: CreateWindowExW
// gets the object as its creation parameter, the object learns its handle on WM_NCCREATE and
// handles every message from then on, guarded (AppError_win.h). Messages before that, and after
// the object has let go of its window (user data set back to 0), go to the default procedure.
#include <windows.h>
#include <commctrl.h>

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

// A subclass procedure (SetWindowSubclass) that hands a control's messages to a method of the
// object given as the subclass's reference data, guarded; what the method leaves unhandled goes
// on to the control. The subclass removes itself when the control goes.
template <class T, LRESULT (T::*Handler)(HWND, UINT, WPARAM, LPARAM, bool&)>
LRESULT CALLBACK ObjectSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                    DWORD_PTR object) {
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, ObjectSubclassProc<T, Handler>, id);
    return DefSubclassProc(hwnd, msg, wParam, lParam);
  }
  bool handled = false;
  LRESULT result = 0;
  FENU_GUARDED(result = (reinterpret_cast<T*>(object)->*Handler)(hwnd, msg, wParam, lParam, handled);)
  return handled ? result : DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace fenu::ui
