#include "ui/win32/Placement_win.h"

#include "common/Settings.h"
#include "core/Errors.h"

namespace fenu::ui {

void RestoreWindowPlacement(HWND window, const std::string& settingsPath, const char* section) {
  const IniFile settings(settingsPath);
  const auto p = ReadPlacement(settings, section, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  if (!p) return;
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  wp.showCmd = p->showCmd == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
  wp.ptMinPosition = {p->minX, p->minY};
  wp.ptMaxPosition = {p->maxX, p->maxY};
  wp.rcNormalPosition = {p->left, p->top, p->right, p->bottom};
  SetWindowPlacement(window, &wp);
}

void SaveWindowPlacement(HWND window, const std::string& settingsPath, const char* section, int pixelsPerInch) {
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  GetWindowPlacement(window, &wp);
  WindowPlacement placement;
  placement.flags = static_cast<std::int32_t>(wp.flags);
  placement.showCmd = static_cast<std::int32_t>(wp.showCmd);
  placement.minX = wp.ptMinPosition.x;
  placement.minY = wp.ptMinPosition.y;
  placement.maxX = wp.ptMaxPosition.x;
  placement.maxY = wp.ptMaxPosition.y;
  placement.left = wp.rcNormalPosition.left;
  placement.top = wp.rcNormalPosition.top;
  placement.right = wp.rcNormalPosition.right;
  placement.bottom = wp.rcNormalPosition.bottom;
  placement.visible = IsWindowVisible(window) != FALSE;
  try {
    IniFile settings(settingsPath);
    WritePlacement(settings, section, placement, pixelsPerInch, GetSystemMetrics(SM_CXSCREEN),
                   GetSystemMetrics(SM_CYSCREEN));
  } catch (const FileError&) {
    // A window's position is not worth a message when the settings cannot be written.
  }
}

}  // namespace fenu::ui
