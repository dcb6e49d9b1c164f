#include "ui/win32/Form_win.h"

#include <set>
#include <stdexcept>

#include "ui/win32/AppError_win.h"
#include "ui/win32/GradientBar_win.h"
#include "ui/win32/Text_win.h"

namespace fenu::ui {
namespace {

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

HFONT MakeFont(bool bold, bool underline) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  LOGFONTW font = metrics.lfMessageFont;
  if (bold) font.lfWeight = FW_BOLD;
  font.lfUnderline = underline ? TRUE : FALSE;
  return CreateFontIndirectW(&font);
}

}  // namespace

Form::Form(const wchar_t* className, int clientWidth, int clientHeight)
    : className_(className), clientWidth_(clientWidth), clientHeight_(clientHeight), dpi_(ScreenDpi()) {}

Form::~Form() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

HFONT Form::MessageFont() {
  static HFONT font = MakeFont(false, false);
  return font;
}
HFONT Form::BoldFont() {
  static HFONT font = MakeFont(true, false);
  return font;
}
HFONT Form::BoldUnderlinedFont() {
  static HFONT font = MakeFont(true, true);
  return font;
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
  if (!RegisterClassExW(&wc)) throw std::runtime_error("RegisterClassExW");
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
  RECT frame{0, 0, Scale(clientWidth_), Scale(clientHeight_)};
  AdjustWindowRectEx(&frame, style, menu_ != nullptr, exStyle);
  hwnd_ = CreateWindowExW(exStyle, className_, L"", style, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                          frame.bottom - frame.top, owner, menu_, GetModuleHandleW(nullptr), this);
  if (!hwnd_) throw std::runtime_error("CreateWindowExW");
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(MessageFont()), FALSE);
  OnCreate();
  RECT client;
  GetClientRect(hwnd_, &client);
  OnResize(client.right, client.bottom);
  CentreWindow(owner);
  return hwnd_;
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
    if (!IsDialogMessageW(hwnd_, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  if (disableOwner) EnableWindow(owner, TRUE);
  ShowWindow(hwnd_, SW_HIDE);
  if (quit) PostQuitMessage(static_cast<int>(msg.wParam));
  return result_;
}

void Form::Close(int result) {
  if (!OnCloseQuery(result)) return;
  OnClose(result);
  result_ = result;
  ended_ = true;
}

void Form::SetCaption(std::string_view caption) { SetText(hwnd_, caption); }

HWND Form::AddControl(int id, const wchar_t* windowClass, std::string_view text, DWORD style, int x, int y, int w,
                      int h, DWORD exStyle) {
  HWND control = CreateWindowExW(exStyle, windowClass, ToWide(text).c_str(), WS_CHILD | WS_VISIBLE | style, Scale(x),
                                 Scale(y), Scale(w), Scale(h), hwnd_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (!control) throw std::runtime_error("CreateWindowExW control");
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(MessageFont()), FALSE);
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

HWND Form::AddGradientBar(int id, std::string_view text, int x, int y, int w, int h) {
  RegisterGradientBarClass();
  HWND bar = AddControl(id, kGradientBarClass, text, 0, x, y, w, h);
  SendMessageW(bar, WM_SETFONT, reinterpret_cast<WPARAM>(BoldFont()), FALSE);
  return bar;
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* form = static_cast<Form*>(create->lpCreateParams);
    form->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!form) return DefDlgProcW(hwnd, msg, wParam, lParam);
  FENU_GUARDED(return form->HandleMessage(msg, wParam, lParam);)
}

LRESULT Form::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
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
