#include "ui/win32/Menu_win.h"

#include "ui/win32/Text_win.h"

namespace fenu::ui {

HMENU CreateMenuBar(const std::vector<MenuBarEntry>& menu) {
  HMENU bar = CreateMenu();
  for (const MenuBarEntry& title : menu) {
    if (title.entries.empty()) {
      AppendMenuW(bar, MF_STRING, static_cast<UINT_PTR>(title.command), ToWide(title.caption).c_str());
      continue;
    }
    HMENU popup = CreatePopupMenu();
    for (const MenuEntry& entry : title.entries) {
      if (entry.command == 0) AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
      else AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(entry.command), ToWide(entry.caption).c_str());
    }
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), ToWide(title.caption).c_str());
  }
  return bar;
}

}  // namespace fenu::ui
