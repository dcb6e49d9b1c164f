#include "ui/win32/Menu_win.h"

#include "ui/win32/Text_win.h"

namespace fenu::ui {

Menu CreateMenuBar(const std::vector<MenuBarEntry>& menu) {
  Menu bar(CreateMenu());
  for (const MenuBarEntry& title : menu) {
    if (title.entries.empty()) {
      AppendMenuW(bar.Get(), MF_STRING, static_cast<UINT_PTR>(title.command), ToWide(title.caption).c_str());
      continue;
    }
    Menu popup(CreatePopupMenu());
    for (const MenuEntry& entry : title.entries) {
      if (entry.command == 0) AppendMenuW(popup.Get(), MF_SEPARATOR, 0, nullptr);
      else AppendMenuW(popup.Get(), MF_STRING, static_cast<UINT_PTR>(entry.command), ToWide(entry.caption).c_str());
    }
    // Once appended, the bar destroys the popup with itself.
    if (AppendMenuW(bar.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(popup.Get()), ToWide(title.caption).c_str()))
      (void)popup.Release();
  }
  return bar;
}

}  // namespace fenu::ui
