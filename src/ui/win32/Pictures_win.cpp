#include "ui/win32/Pictures_win.h"

namespace fenu::ui {

void DrawTraySketch(HDC dc, const RECT& area) {
  const int w = area.right - area.left;
  const int h = area.bottom - area.top;
  HBRUSH background = CreateSolidBrush(RGB(0xF4, 0xF6, 0xFA));
  FillRect(dc, &area, background);
  DeleteObject(background);

  RECT bar{area.left, area.top + h * 62 / 100, area.right, area.bottom};
  HBRUSH taskbar = CreateSolidBrush(RGB(0x1E, 0x2A, 0x3C));
  FillRect(dc, &bar, taskbar);
  DeleteObject(taskbar);

  const int iconSize = GetSystemMetrics(SM_CXSMICON);
  const int iconX = area.left + w / 6;
  const int iconY = bar.top + (bar.bottom - bar.top - iconSize) / 2;
  HICON icon = static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, iconSize, iconSize, LR_DEFAULTCOLOR));
  if (icon) {
    DrawIconEx(dc, iconX, iconY, icon, iconSize, iconSize, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
  }

  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  RECT clock{iconX + iconSize + 8, bar.top, area.right - 4, bar.bottom};
  DrawTextW(dc, L"12:00", -1, &clock, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);

  // An arrow from above onto the symbol.
  HPEN pen = CreatePen(PS_SOLID, 3, RGB(0xD0, 0x20, 0x20));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  const int tipX = iconX + iconSize / 2;
  const int tipY = iconY - 4;
  MoveToEx(dc, tipX + w / 4, area.top + h / 8, nullptr);
  LineTo(dc, tipX, tipY);
  LineTo(dc, tipX + 2, tipY - 14);
  MoveToEx(dc, tipX, tipY, nullptr);
  LineTo(dc, tipX + 13, tipY - 6);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
}

}  // namespace fenu::ui
