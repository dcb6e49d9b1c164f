#include "ui/win32/Pictures_win.h"

#include <algorithm>

namespace fenu::ui {
namespace {

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  const Brush brush(CreateSolidBrush(colour));
  if (brush) FillRect(dc, &rect, brush.Get());
}

Icon ProgramIcon(int size) {
  return Icon(static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

}  // namespace

void DrawTraySketch(HDC dc, const RECT& area) {
  const int w = area.right - area.left;
  const int h = area.bottom - area.top;
  FillSolid(dc, area, RGB(0xF4, 0xF6, 0xFA));

  RECT bar{area.left, area.top + h * 62 / 100, area.right, area.bottom};
  FillSolid(dc, bar, RGB(0x1E, 0x2A, 0x3C));

  const int iconSize = GetSystemMetrics(SM_CXSMICON);
  const int iconX = area.left + w / 6;
  const int iconY = bar.top + (bar.bottom - bar.top - iconSize) / 2;
  if (const Icon icon = ProgramIcon(iconSize))
    DrawIconEx(dc, iconX, iconY, icon.Get(), iconSize, iconSize, 0, nullptr, DI_NORMAL);

  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  RECT clock{iconX + iconSize + 8, bar.top, area.right - 4, bar.bottom};
  DrawTextW(dc, L"12:00", -1, &clock, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);

  // An arrow from above onto the symbol.
  const Pen pen(CreatePen(PS_SOLID, 3, RGB(0xD0, 0x20, 0x20)));
  const Selection selectPen(dc, pen.Get());
  const int tipX = iconX + iconSize / 2;
  const int tipY = iconY - 4;
  MoveToEx(dc, tipX + w / 4, area.top + h / 8, nullptr);
  LineTo(dc, tipX, tipY);
  LineTo(dc, tipX + 2, tipY - 14);
  MoveToEx(dc, tipX, tipY, nullptr);
  LineTo(dc, tipX + 13, tipY - 6);
}

namespace {

// A sheet with a frame and grey text lines on it.
void DrawSheet(HDC dc, const RECT& sheet, COLORREF frame, int lines) {
  FillSolid(dc, sheet, RGB(255, 255, 255));
  const Brush border(CreateSolidBrush(frame));
  if (border) FrameRect(dc, &sheet, border.Get());
  const int h = sheet.bottom - sheet.top;
  const int step = h / (lines + 1);
  for (int i = 1; i <= lines; ++i) {
    const int y = sheet.top + i * step;
    const int right = sheet.right - 4 - ((i * 7) % 3) * (sheet.right - sheet.left) / 8;
    RECT line{sheet.left + 4, y, right, y + (step > 5 ? 2 : 1)};
    FillSolid(dc, line, RGB(0xA8, 0xB0, 0xBC));
  }
}

}  // namespace

void DrawProductPicture(HDC dc, const RECT& area) {
  const int w = area.right - area.left;
  const int h = area.bottom - area.top;
  TRIVERTEX vertices[2] = {{area.left, area.top, 0xFF00, 0xFF00, 0xFF00, 0},
                           {area.right, area.bottom, 0xC800, 0xDC00, 0xF400, 0}};
  GRADIENT_RECT gradient{0, 1};
  GradientFill(dc, vertices, 2, &gradient, 1, GRADIENT_FILL_RECT_V);

  // Three building blocks on the left, one behind the other.
  const int blockW = w * 30 / 100;
  const int blockH = h * 18 / 100;
  const COLORREF frames[3] = {RGB(0x10, 0x3C, 0x8C), RGB(0x2E, 0x7D, 0x32), RGB(0xC0, 0x6A, 0x00)};
  for (int i = 0; i < 3; ++i) {
    const int x = area.left + w * 6 / 100 + i * w * 4 / 100;
    const int y = area.top + h * 40 / 100 + i * blockH * 6 / 5;
    DrawSheet(dc, RECT{x, y, x + blockW, y + blockH}, frames[i], 2);
  }

  // The document they go into, on the right.
  const RECT page{area.left + w * 62 / 100, area.top + h * 36 / 100, area.left + w * 92 / 100,
                  area.top + h * 94 / 100};
  DrawSheet(dc, page, RGB(0x40, 0x40, 0x40), 7);

  // An arrow from the blocks to the document.
  {
    const Pen pen(CreatePen(PS_SOLID, 3, RGB(0xD0, 0x20, 0x20)));
    const Selection selectPen(dc, pen.Get());
    const int arrowY = area.top + h * 64 / 100;
    const int fromX = area.left + w * 46 / 100;
    const int toX = page.left - 4;
    MoveToEx(dc, fromX, arrowY, nullptr);
    LineTo(dc, toX, arrowY);
    MoveToEx(dc, toX - 7, arrowY - 6, nullptr);
    LineTo(dc, toX, arrowY);
    LineTo(dc, toX - 7, arrowY + 6);
  }

  // The program's symbol at the top.
  const int iconSize = 48;
  if (const Icon icon = ProgramIcon(iconSize))
    DrawIconEx(dc, area.left + (w - iconSize) / 2, area.top + h * 4 / 100, icon.Get(), iconSize, iconSize, 0, nullptr,
               DI_NORMAL);
}

namespace {

void FillBox(HDC dc, int left, int top, int right, int bottom, COLORREF fill, COLORREF frame) {
  const Brush brush(CreateSolidBrush(fill));
  const Pen pen(CreatePen(PS_SOLID, 1, frame));
  const Selection selectBrush(dc, brush.Get());
  const Selection selectPen(dc, pen.Get());
  Rectangle(dc, left, top, right, bottom);
}

void DrawTreeImage(HDC dc, int index, int s) {
  const COLORREF frame = RGB(0x40, 0x40, 0x40);
  switch (index) {
    case 0:  // the database: a stack of discs
      for (int i = 2; i >= 0; --i) {
        const Brush brush(CreateSolidBrush(RGB(0x30, 0x60, 0xB0)));
        const Selection selectBrush(dc, brush.Get());
        Ellipse(dc, s / 8, s / 8 + i * s / 4, s - s / 8, s / 8 + i * s / 4 + s / 3);
      }
      break;
    case 1:
    case 2: {  // a sheet with lines
      FillBox(dc, s / 5, s / 10, s - s / 5, s - s / 10, index == 2 ? RGB(0xFF, 0xF4, 0xB0) : RGB(255, 255, 255), frame);
      const Pen pen(CreatePen(PS_SOLID, 1, RGB(0x60, 0x80, 0xC0)));
      const Selection selectPen(dc, pen.Get());
      for (int y = s * 3 / 10; y < s - s / 5; y += s / 5) {
        MoveToEx(dc, s * 3 / 10, y, nullptr);
        LineTo(dc, s - s * 3 / 10, y);
      }
      break;
    }
    case 5: {  // "up": an arrow pointing up
      const Pen pen(CreatePen(PS_SOLID, std::max(2, s / 8), RGB(0x20, 0x60, 0x20)));
      const Selection selectPen(dc, pen.Get());
      MoveToEx(dc, s / 2, s - s / 6, nullptr);
      LineTo(dc, s / 2, s / 6);
      LineTo(dc, s / 5, s / 2);
      MoveToEx(dc, s / 2, s / 6, nullptr);
      LineTo(dc, s - s / 5, s / 2);
      break;
    }
    default: {  // a folder, open when selected
      const COLORREF fill = index == 4 ? RGB(0xFF, 0xE0, 0x70) : RGB(0xF0, 0xC8, 0x40);
      FillBox(dc, s / 10, s / 5, s / 2, s * 2 / 5, fill, frame);
      FillBox(dc, s / 10, s * 3 / 10, s - s / 10, s - s / 6, fill, frame);
      break;
    }
  }
}

}  // namespace

ImageList CreateTreeImages(int size) {
  ImageList list(ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 6, 0));
  const WindowDc screen(nullptr);
  const MemoryDc dc(screen.Get());
  if (!list || !dc) return list;
  const COLORREF transparent = RGB(255, 0, 255);
  for (int index = 0; index < 6; ++index) {
    const Bitmap bitmap(CreateCompatibleBitmap(screen.Get(), size, size));
    {
      const Selection selectBitmap(dc.Get(), bitmap.Get());
      FillSolid(dc.Get(), RECT{0, 0, size, size}, transparent);
      DrawTreeImage(dc.Get(), index, size);
    }
    ImageList_AddMasked(list.Get(), bitmap.Get(), transparent);
  }
  return list;
}

}  // namespace fenu::ui
