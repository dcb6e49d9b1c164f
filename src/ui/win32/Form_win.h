#pragma once
// Base of every window built in code: a window class registered as a copy of the dialog class
// (so Tab, Enter, Escape and the default button come from the dialog manager), controls added
// from 96-DPI coordinates, and a modal loop through IsDialogMessageW. Create() is kept apart from
// ShowModal() so that a form can also be driven modelessly; ShowModeless() shows it so, with the
// dialog manager from every message loop (MessageLoop_win.h).
//
// The form is laid out for the DPI of the screen it opens on (see Dpi_win.h). When it moves to a
// screen of another DPI (WM_DPICHANGED), its controls are moved and sized in proportion, those
// with one of the form's fonts get that font made for the new DPI, OnDpiChanged remakes what the
// view made for the old one, and the window takes the rectangle the system suggests.
#include <windows.h>

#include <compare>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "ui/win32/GdiObject_win.h"

namespace fenu::ui {

// Asks a window for a report of its controls whose text is cut (see TextFit_win.h); the lines go
// out through OutputDebugStringW, "fenu: cut <class> ..." and last "fenu: layout <class> checked, N cut".
inline constexpr UINT kReportLayoutMessage = WM_APP + 0x3F00;

// Enables or disables a control; a control that loses its enabled state while it has the focus
// first hands the focus on to the next tab stop, so that the keyboard keeps working.
void EnableControl(HWND control, bool enabled);

class Form {
 public:
  Form(const wchar_t* className, int clientWidth, int clientHeight);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Creates the window and its controls, hidden.
  HWND Create(HWND owner);
  // Creates the window if needed, shows it and runs its modal loop; returns the modal result
  // (IDOK, IDCANCEL, ...). The owner is disabled meanwhile.
  int ShowModal(HWND owner);
  // Creates the window if needed and shows it beside the owner, which stays usable; Close()
  // hides it again. The window is destroyed with the form or with its owner.
  void ShowModeless(HWND owner);
  // Ends the modal loop with result (or hides the modeless window), if OnCloseQuery agrees.
  void Close(int result);
  HWND Handle() const { return hwnd_; }
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
  // What F1 shows for a window without help of its own (see OnHelp).
  void SetHelp(std::function<void()> help) { help_ = std::move(help); }
  // Keys that a form handles before the dialog manager sees them (F1, Enter on the focused push
  // button), for the message of any loop; true when handled.
  static bool PreTranslate(const MSG& msg);

 protected:
  virtual void OnCreate() = 0;
  virtual void OnShow() {}
  // The control that has the focus when the window appears; by default the first tab stop.
  virtual HWND InitialFocus() { return GetNextDlgTabItem(hwnd_, nullptr, FALSE); }
  // A control's WM_COMMAND; unhandled IDOK and IDCANCEL close the window with that result.
  virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
  virtual bool OnCloseQuery(int /*result*/) { return true; }
  virtual void OnClose(int /*result*/) {}
  // F1 (and WM_HELP): true when the window showed its help. By default the function given to
  // SetHelp, if any; otherwise the request goes on to the owner, as on Windows.
  virtual bool OnHelp();
  // The window is gone, destroyed by the form, by Close's caller or with its owner; Handle() is
  // null now. The last call of a window's life: a form that lives as long as its window (a
  // modeless one that frees itself) may delete itself here.
  virtual void OnDestroyed() {}
  // Any other message; return true when handled, with its result.
  virtual bool OnMessage(UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) { return false; }

  void SetCaption(std::string_view caption);
  void SetCentreOnScreen(bool onScreen) { centreOnScreen_ = onScreen; }
  // Before Create(): a main window with a sizing frame, minimise and maximise boxes, its own
  // taskbar button and a smallest size (96-DPI pixels of the whole window).
  void SetResizable(int minWidth, int minHeight) {
    resizable_ = true;
    minWidth_ = minWidth;
    minHeight_ = minHeight;
  }
  // Before Create(): the window's menu bar, which the window destroys with itself.
  void SetMenuBar(Menu menu) { menu_ = std::move(menu); }
  // The client area changed size (device pixels).
  virtual void OnResize(int /*width*/, int /*height*/) {}
  // The window moved to a screen of another DPI, now Dpi(): its controls have their new places
  // and fonts; what the view made for oldDpi itself (image lists, fonts of its own, sizes kept
  // by a control) is to be made again. OnResize follows.
  virtual void OnDpiChanged(int /*oldDpi*/) {}

  HWND AddControl(int id, const wchar_t* windowClass, std::string_view text, DWORD style, int x, int y, int w,
                  int h, DWORD exStyle = 0);
  HWND AddLabel(int id, std::string_view text, int x, int y, int w, int h, DWORD extraStyle = 0);
  HWND AddButton(int id, std::string_view text, int x, int y, int w, int h, bool isDefault = false);
  HWND AddCheckBox(int id, std::string_view text, int x, int y, int w, int h);
  // A drop-down list without free typing; h is the height of the opened list.
  HWND AddComboList(int id, int x, int y, int w, int h);
  // The decorative title strip with a colour gradient and a white bold heading.
  HWND AddGradientBar(int id, std::string_view text, int x, int y, int w, int h);
  // A bold label on the gradient bar barId, as high as the bar, its text white on the gradient;
  // x and w in 96-DPI pixels of the bar.
  HWND AddBarLabel(int barId, int id, std::string_view text, DWORD style, int x, int w);
  // A label that names the field created after it: its "&" marks the mnemonic that moves the
  // focus there.
  HWND AddFieldLabel(int id, std::string_view text, int x, int y, int w, int h);
  // A status bar with one simple panel along the bottom, in the window's font.
  HWND AddStatusBar(int id);
  // A status line for a window of fixed size: one part across the bottom, without a size grip,
  // in the window's font. Part 0 holds the text, which is also the control's window text.
  HWND AddStatusLine(int id);
  void EnableItem(int id, bool enabled) { EnableControl(Item(id), enabled); }

  int Scale(int pixels) const;
  int Dpi() const { return dpi_; }

  // A font of the window made from the system's message font for the window's DPI: heightPercent
  // of its height, bold, underlined. The form keeps it while the window lives and gives every
  // control that has it the same font at the new DPI when the DPI changes.
  struct FontStyle {
    int heightPercent = 100;
    bool bold = false;
    bool underline = false;
    auto operator<=>(const FontStyle&) const = default;
  };
  HFONT FontOf(FontStyle style);
  HFONT MessageFont() { return FontOf({}); }
  HFONT BoldFont() { return FontOf({100, true, false}); }
  HFONT BoldUnderlinedFont() { return FontOf({100, true, true}); }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void ReportLayout();
  void RegisterClassOnce();
  void CentreWindow(HWND owner);
  // Sizes the window so that its client area is width x height (device pixels).
  void SizeClient(int width, int height);
  // WM_DPICHANGED: the new DPI and the window rectangle the system suggests.
  void ChangeDpi(int dpi, const RECT& suggested);

  const wchar_t* className_;
  int clientWidth_;
  int clientHeight_;
  HWND hwnd_ = nullptr;
  int dpi_ = 96;
  bool centreOnScreen_ = true;
  bool resizable_ = false;
  int minWidth_ = 0;
  int minHeight_ = 0;
  Menu menu_;
  bool ended_ = false;
  bool modeless_ = false;
  int result_ = IDCANCEL;
  std::function<void()> help_;
  // The fonts outlive the window and its controls: ~Form destroys it before any member goes.
  std::map<FontStyle, Font> fonts_;
};

}  // namespace fenu::ui
