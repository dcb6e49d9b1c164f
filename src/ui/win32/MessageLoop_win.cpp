#include "ui/win32/MessageLoop_win.h"

#include <algorithm>
#include <vector>

#include "ui/win32/Form_win.h"

namespace fenu::ui {
namespace {

// One user-interface thread: the windows of that thread. A handful at most.
std::vector<HWND>& ModelessWindows() {
  static std::vector<HWND> windows;
  return windows;
}

}  // namespace

void AddModelessWindow(HWND window) {
  std::vector<HWND>& windows = ModelessWindows();
  if (window && std::find(windows.begin(), windows.end(), window) == windows.end()) windows.push_back(window);
}

void RemoveModelessWindow(HWND window) {
  std::vector<HWND>& windows = ModelessWindows();
  windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
}

bool ModelessDialogMessage(MSG& msg) {
  if (!msg.hwnd) return false;
  // A control's messages belong to the dialog that holds it: its top-level window.
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  const std::vector<HWND>& windows = ModelessWindows();
  if (!root || std::find(windows.begin(), windows.end(), root) == windows.end()) return false;
  if (Form::PreTranslate(msg)) return true;
  return IsDialogMessageW(root, &msg) != FALSE;
}

void DispatchLoopMessage(MSG& msg) {
  if (ModelessDialogMessage(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

}  // namespace fenu::ui
