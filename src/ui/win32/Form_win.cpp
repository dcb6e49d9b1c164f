#include "ui/win32/Form_win.h"

#include <commctrl.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <utility>
#include <vector>

#include "model/DpiScale.h"
#include "ui/win32/AppError_win.h"
#include "ui/win32/Dpi_win.h"
#include "ui/win32/GradientBar_win.h"
#include "ui/win32/MessageLoop_win.h"
#include "ui/win32/Text_win.h"
#include "ui/win32/TextFit_win.h"
#include "ui/win32/WindowClass_win.h"
#include "ui/win32/WindowObject_win.h"

namespace fenu::ui {
namespace {

HFONT MakeFont(int heightPercent, bool bold, bool underline, int dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  LOGFONTW font = metrics.lfMessageFont;
  font.lfHeight = MulDiv(FromSystemDpi(font.lfHeight, dpi), heightPercent, 100);
  if (bold) font.lfWeight = FW_BOLD;
  font.lfUnderline = underline ? TRUE : FALSE;
  return CreateFontIndirectW(&font);
}

LayoutRect PlaceOf(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  // A drop-down list's height is that of the list it opens.
  wchar_t name[16] = {};
  GetClassNameW(control, name, 16);
  RECT dropped{};
  if (_wcsicmp(name, L"ComboBox") == 0 &&
      SendMessageW(control, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped))) {
    RECT window{};
    GetWindowRect(control, &window);
    rect.bottom = rect.top + std::max(rect.bottom - rect.top, dropped.bottom - window.top);
  }
  return {rect.left, rect.top, rect.right, rect.bottom};
}

// The controls that move with the window when its DPI changes, with their places: the window's
// children, and the children of the program's own controls (the labels on a heading strip). The
// system's controls place their own parts.
void CollectPlaces(HWND parent, std::vector<std::pair<HWND, LayoutRect>>& places) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    places.emplace_back(child, PlaceOf(child));
    if (reinterpret_cast<HMODULE>(GetClassLongPtrW(child, GCLP_HMODULE)) == GetModuleHandleW(nullptr))
      CollectPlaces(child, places);
  }
}

bool IsReportList(HWND control) {
  wchar_t name[32] = {};
  GetClassNameW(control, name, 32);
  return _wcsicmp(name, WC_LISTVIEWW) == 0 && (GetWindowLongW(control, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT;
}

void ScaleColumns(HWND list, int fromDpi, int toDpi) {
  HWND header = ListView_GetHeader(list);
  const int columns = header ? Header_GetItemCount(header) : 0;
  for (int i = 0; i < columns; ++i)
    ListView_SetColumnWidth(list, i, ScaleDpi(ListView_GetColumnWidth(list, i), fromDpi, toDpi));
}

bool IsPushButton(HWND control) {
  wchar_t name[16] = {};
  GetClassNameW(control, name, 16);
  if (_wcsicmp(name, L"Button") != 0) return false;
  const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

bool ModifierDown() {
  return (GetKeyState(VK_CONTROL) & 0x8000) || (GetKeyState(VK_SHIFT) & 0x8000) || (GetKeyState(VK_MENU) & 0x8000);
}

// Wine's tree view keeps Alt+F4, F10 and Alt to itself; on Windows they reach the default window
// procedure, which closes the window or opens its menu.
LRESULT CALLBACK PassSystemKeys(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
  if (msg == WM_SYSKEYDOWN) return DefWindowProcW(hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(hwnd, PassSystemKeys, id);
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace

void EnableControl(HWND control, bool enabled) {
  if (!control) return;
  if (!enabled && GetFocus() == control) {
    HWND dialog = GetParent(control);
    HWND next = GetNextDlgTabItem(dialog, control, FALSE);
    if (next && next != control) SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
    else SetFocus(dialog);
  }
  EnableWindow(control, enabled ? TRUE : FALSE);
}

Form::Form(const wchar_t* className, int clientWidth, int clientHeight)
    : className_(className), clientWidth_(clientWidth), clientHeight_(clientHeight), dpi_(InitialDpi(nullptr)) {}

Form::~Form() {
  if (hwnd_) {
    RemoveModelessWindow(hwnd_);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

HFONT Form::FontOf(FontStyle style) {
  Font& font = fonts_[style];
  if (!font) font.Reset(MakeFont(style.heightPercent, style.bold, style.underline, dpi_));
  return font.Get();
}

int Form::Scale(int pixels) const { return MulDiv(pixels, dpi_, 96); }

void Form::RegisterClassOnce() {
  static std::set<std::wstring> registered;
  if (registered.count(className_)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  GetClassInfoExW(nullptr, L"#32770", &wc);  // the dialog class: its extra bytes and cursor
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = className_;
  wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.cbWndExtra = DLGWINDOWEXTRA;
  RegisterWindowClass(wc);
  registered.insert(className_);
}

HWND Form::Create(HWND owner) {
  if (hwnd_) return hwnd_;
  RegisterClassOnce();
  // A dialog paints beneath its children, as group boxes and frames expect; a resizable main
  // window clips them to keep resizing calm.
  const DWORD style = resizable_ ? WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN
                                 : WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  const DWORD exStyle = (resizable_ ? 0 : WS_EX_DLGMODALFRAME) | WS_EX_CONTROLPARENT |
                        (owner && !resizable_ ? 0 : WS_EX_APPWINDOW);
  // Sized for the owner's screen first, then for the one the window is on (whose caption and
  // menu bar may differ from the system's metrics), before any control.
  dpi_ = InitialDpi(owner);
  RECT frame{0, 0, Scale(clientWidth_), Scale(clientHeight_)};
  AdjustWindowRectEx(&frame, style, menu_ ? TRUE : FALSE, exStyle);
  hwnd_ = CreateWindowExW(exStyle, className_, L"", style, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                          frame.bottom - frame.top, owner, menu_.Get(), GetModuleHandleW(nullptr), this);
  if (!hwnd_) throw std::runtime_error("CreateWindowExW");
  (void)menu_.Release();  // the window's now
  dpi_ = InitialDpi(hwnd_);
  SizeClient(Scale(clientWidth_), Scale(clientHeight_));
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(MessageFont()), FALSE);
  OnCreate();
  RECT client;
  GetClientRect(hwnd_, &client);
  OnResize(client.right, client.bottom);
  if (!resizable_) MakeRoomForTexts(hwnd_);
  CentreWindow(owner);
  return hwnd_;
}

void Form::SizeClient(int width, int height) {
  RECT window{};
  RECT client{};
  GetWindowRect(hwnd_, &window);
  GetClientRect(hwnd_, &client);
  if (client.right == width && client.bottom == height) return;
  SetWindowPos(hwnd_, nullptr, 0, 0, window.right - window.left + width - client.right,
               window.bottom - window.top + height - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::ChangeDpi(int dpi, const RECT& suggested) {
  const int oldDpi = dpi_;
  RECT client{};
  GetClientRect(hwnd_, &client);
  if (dpi > 0 && dpi != oldDpi) {
    // Which windows have which of the form's fonts, and where the controls are: all read before
    // anything changes (a list view passes its new font on to its header, for one).
    std::map<HFONT, FontStyle> styles;
    for (const auto& [style, font] : fonts_) styles.emplace(font.Get(), style);
    std::vector<std::pair<HWND, FontStyle>> fontUsers;
    auto collectFont = [&](HWND window) {
      const auto at = styles.find(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
      if (at != styles.end()) fontUsers.emplace_back(window, at->second);
    };
    collectFont(hwnd_);
    std::vector<HWND> descendants;
    EnumChildWindows(
        hwnd_,
        [](HWND child, LPARAM list) -> BOOL {
          reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&descendants));
    for (HWND child : descendants) collectFont(child);
    std::vector<std::pair<HWND, LayoutRect>> places;
    CollectPlaces(hwnd_, places);

    dpi_ = dpi;
    const std::map<FontStyle, Font> oldFonts = std::exchange(fonts_, {});
    for (const auto& [window, style] : fontUsers)
      SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(style)), FALSE);
    for (const auto& [control, place] : places) {
      const LayoutRect to = ScaleRect(place, oldDpi, dpi);
      SetWindowPos(control, nullptr, to.left, to.top, to.right - to.left, to.bottom - to.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      if (IsReportList(control)) ScaleColumns(control, oldDpi, dpi);
    }
    OnDpiChanged(oldDpi);
    // oldFonts goes here, now that no control has one of them.
  }
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  if (!resizable_) {
    // A window laid out at fixed places keeps its proportions, whatever frame the system gives.
    SizeClient(ScaleDpi(client.right, oldDpi, dpi_), ScaleDpi(client.bottom, oldDpi, dpi_));
    MakeRoomForTexts(hwnd_);
  }
  GetClientRect(hwnd_, &client);
  OnResize(client.right, client.bottom);
  // Every control in its new font now, also beneath a window that clips its children.
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Form::CentreWindow(HWND owner) {
  RECT window;
  GetWindowRect(hwnd_, &window);
  RECT area;
  if (!centreOnScreen_ && owner && IsWindowVisible(owner)) {
    GetWindowRect(owner, &area);
  } else {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  }
  const int w = window.right - window.left;
  const int h = window.bottom - window.top;
  SetWindowPos(hwnd_, nullptr, area.left + (area.right - area.left - w) / 2, area.top + (area.bottom - area.top - h) / 2,
               0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Form::ShowModal(HWND owner) {
  Create(owner);
  const bool disableOwner = owner && IsWindowEnabled(owner) && IsWindowVisible(owner);
  if (disableOwner) EnableWindow(owner, FALSE);
  ended_ = false;
  OnShow();
  // Texts set while showing may need more lines than their labels hold.
  if (!resizable_) MakeRoomForTexts(hwnd_);
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  if (HWND first = InitialFocus()) SetFocus(first);

  MSG msg;
  bool quit = false;
  while (!ended_) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      quit = true;  // the program is ending: close as cancelled and pass the quit on
      result_ = IDCANCEL;
      break;
    }
    if (PreTranslate(msg)) continue;
    if (!IsDialogMessageW(hwnd_, &msg)) DispatchLoopMessage(msg);
  }
  if (disableOwner) EnableWindow(owner, TRUE);
  ShowWindow(hwnd_, SW_HIDE);
  if (quit) PostQuitMessage(static_cast<int>(msg.wParam));
  return result_;
}

void Form::ShowModeless(HWND owner) {
  Create(owner);
  ended_ = false;
  OnShow();
  if (!resizable_) MakeRoomForTexts(hwnd_);
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  if (HWND first = InitialFocus()) SetFocus(first);
  modeless_ = true;
  AddModelessWindow(hwnd_);
}

bool Form::PreTranslate(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || !msg.hwnd) return false;
  HWND root = GetAncestor(msg.hwnd, GA_ROOT);
  if (!root || GetWindowLongPtrW(root, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&Form::WindowProc)) return false;
  if (msg.wParam == VK_F1 && !ModifierDown()) {
    HELPINFO info{};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = GetDlgCtrlID(msg.hwnd);
    info.hItemHandle = msg.hwnd;
    info.MousePos = msg.pt;
    SendMessageW(root, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    return true;
  }
  // Enter presses the push button that has the focus, however it got there; the dialog manager
  // does so only for one it made the default button on the way.
  if (msg.wParam == VK_RETURN && !ModifierDown() && IsPushButton(msg.hwnd) && IsWindowEnabled(msg.hwnd) &&
      IsChild(root, msg.hwnd)) {
    SendMessageW(GetParent(msg.hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(msg.hwnd), BN_CLICKED),
                 reinterpret_cast<LPARAM>(msg.hwnd));
    return true;
  }
  return false;
}

bool Form::OnHelp() {
  if (!help_) return false;
  help_();
  return true;
}

void Form::ReportLayout() {
  const std::wstring name = className_;
  const std::vector<std::wstring> cut = CutTexts(hwnd_);
  for (const std::wstring& line : cut) OutputDebugStringW((L"fenu: cut " + name + L" " + line + L"\n").c_str());
  OutputDebugStringW((L"fenu: layout " + name + L" checked, " + std::to_wstring(cut.size()) + L" cut\n").c_str());
}

void Form::Close(int result) {
  if (!OnCloseQuery(result)) return;
  OnClose(result);
  result_ = result;
  ended_ = true;
  if (modeless_) {
    modeless_ = false;
    RemoveModelessWindow(hwnd_);
    ShowWindow(hwnd_, SW_HIDE);
  }
}

void Form::SetCaption(std::string_view caption) { SetText(hwnd_, caption); }

HWND Form::AddControl(int id, const wchar_t* windowClass, std::string_view text, DWORD style, int x, int y, int w,
                      int h, DWORD exStyle) {
  HWND control = CreateWindowExW(exStyle, windowClass, ToWide(text).c_str(), WS_CHILD | WS_VISIBLE | style, Scale(x),
                                 Scale(y), Scale(w), Scale(h), hwnd_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (!control) throw std::runtime_error("CreateWindowExW control");
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(MessageFont()), FALSE);
  if (_wcsicmp(windowClass, WC_TREEVIEWW) == 0) SetWindowSubclass(control, PassSystemKeys, 0, 0);
  return control;
}

HWND Form::AddLabel(int id, std::string_view text, int x, int y, int w, int h, DWORD extraStyle) {
  return AddControl(id, L"STATIC", text, SS_LEFT | SS_NOPREFIX | extraStyle, x, y, w, h);
}

HWND Form::AddButton(int id, std::string_view text, int x, int y, int w, int h, bool isDefault) {
  return AddControl(id, L"BUTTON", text, WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), x, y, w, h);
}

HWND Form::AddCheckBox(int id, std::string_view text, int x, int y, int w, int h) {
  return AddControl(id, L"BUTTON", text, WS_TABSTOP | BS_AUTOCHECKBOX, x, y, w, h);
}

HWND Form::AddComboList(int id, int x, int y, int w, int h) {
  return AddControl(id, L"COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, x, y, w, h);
}

HWND Form::AddFieldLabel(int id, std::string_view text, int x, int y, int w, int h) {
  return AddControl(id, L"STATIC", text, SS_LEFT, x, y, w, h);
}

HWND Form::AddStatusBar(int id) {
  HWND status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, hwnd_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (!status) throw std::runtime_error("CreateWindowExW status bar");
  SendMessageW(status, WM_SETFONT, reinterpret_cast<WPARAM>(MessageFont()), FALSE);
  SendMessageW(status, SB_SIMPLE, TRUE, 0);
  return status;
}

HWND Form::AddStatusLine(int id) {
  HWND status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, hwnd_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (!status) throw std::runtime_error("CreateWindowExW status line");
  SendMessageW(status, WM_SETFONT, reinterpret_cast<WPARAM>(MessageFont()), FALSE);
  int right = -1;
  SendMessageW(status, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&right));
  return status;
}

HWND Form::AddGradientBar(int id, std::string_view text, int x, int y, int w, int h) {
  RegisterGradientBarClass();
  HWND bar = AddControl(id, kGradientBarClass, text, 0, x, y, w, h);
  SendMessageW(bar, WM_SETFONT, reinterpret_cast<WPARAM>(BoldFont()), FALSE);
  return bar;
}

HWND Form::AddBarLabel(int barId, int id, std::string_view text, DWORD style, int x, int w) {
  HWND bar = Item(barId);
  RECT area{};
  GetClientRect(bar, &area);
  HWND label = CreateWindowExW(0, L"STATIC", ToWide(text).c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX | style, Scale(x),
                               0, Scale(w), area.bottom, bar, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
  if (!label) throw std::runtime_error("CreateWindowExW bar label");
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(BoldFont()), FALSE);
  return label;
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return ObjectWindowProc<Form, &Form::hwnd_, &Form::HandleMessage, DefaultProc::Dialog>(hwnd, msg, wParam, lParam);
}

LRESULT Form::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCDESTROY) {
    // Also when its owner takes it along. The form lets go of the window before OnDestroyed,
    // which may end the form itself.
    RemoveModelessWindow(hwnd_);
    LRESULT result = 0;
    if (!OnMessage(msg, wParam, lParam, result)) result = DefDlgProcW(hwnd_, msg, wParam, lParam);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    OnDestroyed();
    return result;
  }
  if (msg == kDpiMessage) return dpi_;
  if (msg == WM_DPICHANGED && lParam) {
    ChangeDpi(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
    return 0;
  }
  LRESULT result = 0;
  if (OnMessage(msg, wParam, lParam, result)) return result;
  if (msg == WM_SIZE) {
    OnResize(LOWORD(lParam), HIWORD(lParam));
    return 0;
  }
  if (msg == WM_GETMINMAXINFO && resizable_) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    info->ptMinTrackSize.x = Scale(minWidth_);
    info->ptMinTrackSize.y = Scale(minHeight_);
    return 0;
  }
  if (msg == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) {
    // The dialog manager gives the focus back to the control that had it, even when that one has
    // been disabled meanwhile (a button that disabled itself behind a message box).
    const LRESULT result = DefDlgProcW(hwnd_, msg, wParam, lParam);
    HWND focus = GetFocus();
    if (focus && focus != hwnd_ && IsChild(hwnd_, focus) && !IsWindowEnabled(focus)) {
      if (HWND next = GetNextDlgTabItem(hwnd_, focus, FALSE))
        SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
    }
    return result;
  }
  if (msg == WM_HELP) {
    if (!OnHelp()) {
      if (HWND owner = GetWindow(hwnd_, GW_OWNER)) SendMessageW(owner, WM_HELP, wParam, lParam);
    }
    return TRUE;
  }
  if (msg == kReportLayoutMessage) {
    ReportLayout();
    return 0;
  }
  if (msg == WM_COMMAND) {
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    if (OnCommand(id, code, reinterpret_cast<HWND>(lParam))) return 0;
    if ((id == IDOK || id == IDCANCEL) && code == BN_CLICKED) {
      Close(id);
      return 0;
    }
  }
  return DefDlgProcW(hwnd_, msg, wParam, lParam);
}

}  // namespace fenu::ui
