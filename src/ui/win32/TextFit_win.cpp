#include "ui/win32/TextFit_win.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>

#include "ui/win32/Dpi_win.h"
#include "ui/win32/GdiObject_win.h"

namespace fenu::ui {
namespace {

// Room beside a push button's caption: what fitting gives it, and less than what counts as cut
// (the caption then touches the button's frame).
constexpr int kButtonPadding = 10;
constexpr int kButtonMinimumPadding = 3;
// The gap between the box of a check box or radio button and its caption.
constexpr int kBoxGap = 4;
// A group box's caption sits inside its frame's corner.
constexpr int kGroupPadding = 10;
// A list view's header draws its text inside a margin on both sides.
constexpr int kHeaderPadding = 7;
// A combo box's text beside its drop-down arrow.
constexpr int kComboPadding = 4;

// 96-DPI pixels at the DPI of the window that control is on.
int Scale(HWND control, int pixels) { return MulDiv(pixels, DpiOf(control), 96); }

std::wstring TextOf(HWND control) {
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(control, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(got, 0)));
  return text;
}

std::wstring ClassOf(HWND control) {
  wchar_t name[64] = {};
  GetClassNameW(control, name, 64);
  return name;
}

bool IsClass(HWND control, const wchar_t* name) { return _wcsicmp(ClassOf(control).c_str(), name) == 0; }

SIZE ClientSize(HWND control) {
  RECT client{};
  GetClientRect(control, &client);
  return {client.right, client.bottom};
}

SIZE WindowSize(HWND control) {
  RECT window{};
  GetWindowRect(control, &window);
  return {window.right - window.left, window.bottom - window.top};
}

// A measuring context with the control's font selected.
class Measure {
 public:
  explicit Measure(HWND control)
      : dc_(control), font_(dc_.Get(), reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0))) {}

  RECT Calc(std::wstring_view text, UINT format, int width = 0) const {
    RECT rect{0, 0, width, 0};
    if (dc_ && !text.empty())
      DrawTextW(dc_.Get(), text.data(), static_cast<int>(text.size()), &rect, format | DT_CALCRECT);
    return rect;
  }

 private:
  WindowDc dc_;
  Selection font_;
};

enum class Kind { Other, PushButton, Box, Group, SingleLabel, WrappingLabel, Combo };

Kind KindOf(HWND control) {
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  if (IsClass(control, L"Button")) {
    switch (style & BS_TYPEMASK) {
      case BS_PUSHBUTTON:
      case BS_DEFPUSHBUTTON: return Kind::PushButton;
      case BS_CHECKBOX:
      case BS_AUTOCHECKBOX:
      case BS_3STATE:
      case BS_AUTO3STATE:
      case BS_RADIOBUTTON:
      case BS_AUTORADIOBUTTON: return (style & BS_PUSHLIKE) ? Kind::PushButton : Kind::Box;
      case BS_GROUPBOX: return Kind::Group;
      default: return Kind::Other;
    }
  }
  if (IsClass(control, L"Static")) {
    if (style & SS_ELLIPSISMASK) return Kind::Other;  // shortened on purpose
    switch (style & SS_TYPEMASK) {
      case SS_LEFT:
      case SS_CENTER:
      case SS_RIGHT: return (style & SS_CENTERIMAGE) ? Kind::SingleLabel : Kind::WrappingLabel;
      case SS_LEFTNOWORDWRAP:
      case SS_SIMPLE: return Kind::SingleLabel;
      default: return Kind::Other;
    }
  }
  if (IsClass(control, L"ComboBox")) return Kind::Combo;
  return Kind::Other;
}

bool NoPrefix(HWND control) {
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  return IsClass(control, L"Static") && (style & SS_NOPREFIX);
}

UINT LineFormat(HWND control) { return DT_SINGLELINE | DT_EXPANDTABS | (NoPrefix(control) ? DT_NOPREFIX : 0); }
UINT WrapFormat(HWND control) { return DT_WORDBREAK | DT_EXPANDTABS | (NoPrefix(control) ? DT_NOPREFIX : 0); }

int BoxSize(HWND control) {
  return std::max(Scale(control, 13), FromSystemDpi(GetSystemMetrics(SM_CXMENUCHECK), DpiOf(control)));
}

int ArrowWidth(HWND control) { return FromSystemDpi(GetSystemMetrics(SM_CXVSCROLL), DpiOf(control)); }

std::vector<std::wstring> ComboItems(HWND combo) {
  std::vector<std::wstring> items;
  const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    if (length <= 0) continue;
    std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item.data()));
    item.resize(static_cast<std::size_t>(length));
    items.push_back(std::move(item));
  }
  return items;
}

int WidestItem(HWND combo) {
  const Measure measure(combo);
  int widest = 0;
  for (const std::wstring& item : ComboItems(combo))
    widest = std::max(widest, static_cast<int>(measure.Calc(item, DT_SINGLELINE | DT_NOPREFIX).right));
  return widest;
}

// The text width a control has room for without cutting it, or -1 when it has no such limit.
int RoomForText(HWND control, Kind kind) {
  const SIZE window = WindowSize(control);
  switch (kind) {
    case Kind::PushButton: return window.cx - 2 * Scale(control, kButtonMinimumPadding);
    case Kind::Box: return window.cx - BoxSize(control) - Scale(control, kBoxGap) / 2;
    case Kind::Group: return window.cx - Scale(control, kGroupPadding);
    case Kind::SingleLabel:
    case Kind::WrappingLabel: return ClientSize(control).cx;
    case Kind::Combo: return window.cx - ArrowWidth(control) - Scale(control, kComboPadding);
    case Kind::Other: break;
  }
  return -1;
}

std::wstring Line(HWND control, std::wstring_view text, SIZE need, SIZE have) {
  wchar_t sizes[96];
  std::swprintf(sizes, 96, L"\" needs %ldx%ld, has %ldx%ld", static_cast<long>(need.cx), static_cast<long>(need.cy),
                static_cast<long>(have.cx), static_cast<long>(have.cy));
  return L"id=" + std::to_wstring(GetDlgCtrlID(control)) + L" " + ClassOf(control) + L" \"" + std::wstring(text) + sizes;
}

// The column headers of a list view: each one's text, the room it needs (the text with padding on
// both sides) and the width it has.
struct HeaderColumn {
  int index;
  std::wstring text;
  SIZE need;
  int width;
};

std::vector<HeaderColumn> HeaderColumns(HWND listView) {
  std::vector<HeaderColumn> columns;
  HWND header = ListView_GetHeader(listView);
  if (!header) return columns;
  const Measure measure(header);
  const int count = Header_GetItemCount(header);
  for (int i = 0; i < count; ++i) {
    wchar_t text[128] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH;
    item.pszText = text;
    item.cchTextMax = 128;
    if (!Header_GetItem(header, i, &item)) continue;
    const RECT need = measure.Calc(text, DT_SINGLELINE | DT_NOPREFIX);
    columns.push_back({i, text, {need.right + 2 * Scale(listView, kHeaderPadding), need.bottom}, item.cxy});
  }
  return columns;
}

void CheckHeaders(HWND list, std::vector<std::wstring>& cut) {
  for (const HeaderColumn& column : HeaderColumns(list)) {
    if (column.need.cx > column.width)
      cut.push_back(Line(list, column.text, column.need, {column.width, 0}) + L" (column " +
                    std::to_wstring(column.index) + L")");
  }
}

// Where a control draws its text, in screen coordinates: a label only its text, a group box its
// caption, other controls themselves. Empty when it draws none.
RECT InkRect(HWND control, Kind kind) {
  RECT window{};
  GetWindowRect(control, &window);
  if (kind == Kind::Other) return {};
  if (kind != Kind::SingleLabel && kind != Kind::WrappingLabel && kind != Kind::Group) return window;
  const std::wstring text = TextOf(control);
  if (text.empty()) return {};
  const Measure measure(control);
  const SIZE client = ClientSize(control);
  RECT ink = kind == Kind::WrappingLabel
                 ? measure.Calc(text, WrapFormat(control), client.cx)
                 : measure.Calc(text, LineFormat(control));
  const int width = std::min<int>(ink.right, client.cx);
  const int height = std::min<int>(ink.bottom, client.cy);
  int left = 0;
  if (kind == Kind::Group) {
    left = Scale(control, kGroupPadding) / 2;
  } else {
    const LONG type = GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK;
    if (type == SS_RIGHT) left = client.cx - width;
    if (type == SS_CENTER) left = (client.cx - width) / 2;
  }
  POINT origin{0, 0};
  ClientToScreen(control, &origin);
  const int top = kind == Kind::SingleLabel && (GetWindowLongW(control, GWL_STYLE) & SS_CENTERIMAGE)
                      ? (client.cy - height) / 2
                      : 0;
  return {origin.x + left, origin.y + top, origin.x + left + width, origin.y + top + height};
}

// A sibling that paints over what lies beneath it (group boxes and frames do not).
bool Covers(HWND sibling) {
  if (!IsWindowVisible(sibling)) return false;
  if (IsClass(sibling, L"Static")) {
    const LONG type = GetWindowLongW(sibling, GWL_STYLE) & SS_TYPEMASK;
    return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_LEFTNOWORDWRAP ||
           type == SS_SIMPLE || type == SS_ICON || type == SS_OWNERDRAW || type == SS_BITMAP;
  }
  return KindOf(sibling) != Kind::Group;
}

void CheckOverlap(HWND control, Kind kind, std::vector<std::wstring>& cut) {
  const RECT ink = InkRect(control, kind);
  if (IsRectEmpty(&ink)) return;
  HWND parent = GetParent(control);
  for (HWND sibling = GetWindow(parent, GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    if (sibling == control || !Covers(sibling)) continue;
    RECT other{};
    GetWindowRect(sibling, &other);
    RECT both{};
    if (!IntersectRect(&both, &ink, &other)) continue;
    cut.push_back(L"id=" + std::to_wstring(GetDlgCtrlID(control)) + L" " + ClassOf(control) + L" \"" + TextOf(control) +
                  L"\" runs into id=" + std::to_wstring(GetDlgCtrlID(sibling)) + L" " + ClassOf(sibling) + L" \"" +
                  TextOf(sibling) + L"\"");
  }
}

void CheckControl(HWND control, std::vector<std::wstring>& cut) {
  if (IsClass(control, WC_LISTVIEWW)) return CheckHeaders(control, cut);
  const Kind kind = KindOf(control);
  if (kind == Kind::Other) return;
  CheckOverlap(control, kind, cut);
  if (kind == Kind::Combo) {
    const int room = RoomForText(control, kind);
    const Measure measure(control);
    for (const std::wstring& item : ComboItems(control)) {
      const RECT need = measure.Calc(item, DT_SINGLELINE | DT_NOPREFIX);
      if (need.right > room) cut.push_back(Line(control, item, {need.right, need.bottom}, WindowSize(control)));
    }
    return;
  }
  const std::wstring text = TextOf(control);
  if (text.empty()) return;
  const Measure measure(control);
  const SIZE client = ClientSize(control);
  if (kind == Kind::WrappingLabel) {
    const RECT need = measure.Calc(text, WrapFormat(control), client.cx);
    if (need.right > client.cx || need.bottom > client.cy)
      cut.push_back(Line(control, text, {need.right, need.bottom}, client));
    return;
  }
  const RECT need = measure.Calc(text, LineFormat(control));
  const bool tooWide = need.right > RoomForText(control, kind);
  // Buttons, boxes and group boxes draw their caption over their whole height.
  const bool tooLow = kind == Kind::SingleLabel && need.bottom > client.cy;
  if (tooWide || tooLow) cut.push_back(Line(control, text, {need.right, need.bottom}, WindowSize(control)));
}

}  // namespace

int FitWidth(HWND control) {
  const Kind kind = KindOf(control);
  if (kind == Kind::Combo) return WidestItem(control) + ArrowWidth(control) + 2 * Scale(control, kComboPadding);
  if (kind == Kind::Other) return WindowSize(control).cx;
  const int text = Measure(control).Calc(TextOf(control), LineFormat(control)).right;
  switch (kind) {
    case Kind::PushButton: return text + 2 * Scale(control, kButtonPadding);
    case Kind::Box: return BoxSize(control) + Scale(control, kBoxGap) + text + Scale(control, 2);
    case Kind::Group: return text + 2 * Scale(control, kGroupPadding);
    default: return text + 1;
  }
}

int ColumnWidth(std::initializer_list<HWND> controls, int minWidth) {
  int width = minWidth;
  for (HWND control : controls)
    if (control) width = std::max(width, FitWidth(control));
  return width;
}

int RowWidth(std::initializer_list<HWND> controls, int gap, int minWidth) {
  int width = 0;
  for (HWND control : controls) width += std::max(minWidth, FitWidth(control));
  return width + gap * std::max(0, static_cast<int>(controls.size()) - 1);
}

int PlaceRow(std::initializer_list<HWND> controls, int x, int y, int width, int height, int gap, int minWidth) {
  std::vector<HWND> row(controls);
  const int count = static_cast<int>(row.size());
  if (count == 0) return x;
  std::vector<int> need(row.size());
  for (std::size_t i = 0; i < row.size(); ++i) need[i] = std::max(minWidth, FitWidth(row[i]));
  // Equal widths where the row has room; a control that needs more keeps its need, and the others
  // share what is left.
  std::vector<bool> fixed(row.size(), false);
  int remaining = width - gap * (count - 1);
  int open = count;
  for (bool changed = true; changed && open > 0;) {
    changed = false;
    const int share = remaining / open;
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (fixed[i] || need[i] <= share) continue;
      fixed[i] = true;
      remaining -= need[i];
      --open;
      changed = true;
    }
  }
  const int share = open > 0 ? std::max(0, remaining) / open : 0;
  int lastOpen = -1;
  for (int i = 0; i < count; ++i)
    if (!fixed[static_cast<std::size_t>(i)]) lastOpen = i;
  for (int i = 0; i < count; ++i) {
    const std::size_t k = static_cast<std::size_t>(i);
    int w = need[k];
    if (!fixed[k]) w = std::max(need[k], share + (i == lastOpen ? std::max(0, remaining) % open : 0));
    MoveWindow(row[k], x, y, w, height, TRUE);
    x += w + gap;
  }
  return x - gap;
}

void FitListViewHeaders(HWND listView) {
  for (const HeaderColumn& column : HeaderColumns(listView)) {
    if (ListView_GetColumnWidth(listView, column.index) < column.need.cx)
      ListView_SetColumnWidth(listView, column.index, column.need.cx);
  }
}

void MakeRoomForTexts(HWND window) {
  for (HWND label = GetWindow(window, GW_CHILD); label; label = GetWindow(label, GW_HWNDNEXT)) {
    if (KindOf(label) != Kind::WrappingLabel) continue;
    const std::wstring text = TextOf(label);
    if (text.empty()) continue;
    const SIZE client = ClientSize(label);
    const Measure measure(label);
    const RECT need = measure.Calc(text, WrapFormat(label), client.cx);
    const int grow = need.bottom - client.cy;
    if (grow <= 0) continue;
    RECT place{};
    GetWindowRect(label, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    SetWindowPos(label, nullptr, 0, 0, place.right - place.left, place.bottom - place.top + grow,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (HWND other = GetWindow(window, GW_CHILD); other; other = GetWindow(other, GW_HWNDNEXT)) {
      RECT at{};
      GetWindowRect(other, &at);
      MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&at), 2);
      if (other == label) continue;
      if (at.top >= place.bottom) {
        SetWindowPos(other, nullptr, at.left, at.top + grow, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      } else if (at.bottom >= place.bottom) {
        // A frame or group box around the label, or a list beside it, grows with it.
        SetWindowPos(other, nullptr, 0, 0, at.right - at.left, at.bottom - at.top + grow,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
    }
    RECT frame{};
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + grow,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

std::vector<std::wstring> CutTexts(HWND window) {
  std::vector<std::wstring> cut;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM data) -> BOOL {
        if (IsWindowVisible(child)) CheckControl(child, *reinterpret_cast<std::vector<std::wstring>*>(data));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&cut));
  return cut;
}

}  // namespace fenu::ui
