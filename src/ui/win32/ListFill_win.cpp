#include "ui/win32/ListFill_win.h"

#include "ui/win32/Text_win.h"

namespace fenu::ui {

void FillList(HWND control, const std::vector<std::string>& items, std::optional<int> selected) {
  wchar_t name[16] = {};
  GetClassNameW(control, name, 16);
  const bool combo = _wcsicmp(name, L"ComboBox") == 0;
  SendMessageW(control, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
  for (const std::string& item : items)
    SendMessageW(control, combo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(item).c_str()));
  if (selected) SendMessageW(control, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(*selected), 0);
}

}  // namespace fenu::ui
