#pragma once
// An editable grid of texts on a report list view. The model's header row is the list's header
// (in bold), the current cell is drawn highlighted, and an in-place editor opens on the current
// cell when the user types, presses F2 or clicks the current cell again; column widths are
// dragged in the header. The model holds every text, the current cell and the widths.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "model/StringGrid.h"
#include "ui/win32/GdiObject_win.h"

namespace fenu::ui {

class StringGridView {
 public:
  // The view owns the list's image list (LVS_SHAREIMAGELISTS: the list does not free it).
  static constexpr DWORD kListStyle = WS_TABSTOP | WS_BORDER | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL |
                                      LVS_NOSORTHEADER | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS;

  struct Options {
    // The editor stays open on the current cell while the grid has the focus; Enter and Escape
    // then press the window's default and cancel buttons.
    bool alwaysShowEditor = false;
    int rowHeight = 17;  // 96-DPI pixels
  };

  // Asked before a character reaches the editor (typed, pasted or cut: Ctrl+V's character) and
  // before a key goes down in it; false drops it.
  std::function<bool(char)> onKeyPress;
  std::function<bool(unsigned)> onKeyDown;

  StringGridView() = default;
  ~StringGridView();
  StringGridView(const StringGridView&) = delete;
  StringGridView& operator=(const StringGridView&) = delete;

  // Takes over a list view created with kListStyle; dpi scales the model's 96-DPI widths.
  void Attach(HWND list, StringGrid& model, const Options& options, int dpi, HFONT headerFont);
  HWND Handle() const { return list_; }
  // The window moved to a screen of another DPI; its form has already carried the list's place,
  // fonts and column widths there.
  void SetDpi(int dpi);
  // Shows the model: columns, header texts, widths, rows and the current cell.
  void Render();
  // Closes the editor, keeping what was typed, and takes the column widths into the model.
  void ReadBack();
  // The WM_NOTIFY that the list sends its parent; true when handled, with result.
  bool OnNotify(const NMHDR* header, LRESULT& result);
  bool Editing() const { return editing_; }

 private:
  static LRESULT CALLBACK ListProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
  static LRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
  LRESULT ListMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT EditMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  bool ListKey(WPARAM key);
  void Click(LPARAM at, bool twice);
  void MoveTo(int col, int row);
  void ScrollIntoView();
  void StartEdit(const std::wstring* typed);
  void PlaceEditor();
  // The rows are as high as the list's picture list (plus the list's one pixel of padding).
  void MakeRowImages();
  void EndEdit(bool keep);
  void PressButton(int id);
  void SyncWidths();
  RECT CellRect(int col, int row) const;
  bool CharAllowed(wchar_t c) const;
  int Scale(int pixels) const { return MulDiv(pixels, dpi_, 96); }
  int Unscale(int pixels) const { return MulDiv(pixels, 96, dpi_); }

  HWND list_ = nullptr;
  HWND edit_ = nullptr;
  StringGrid* model_ = nullptr;
  Options options_;
  int dpi_ = 96;
  ImageList rowImages_;
  bool editing_ = false;
  bool ending_ = false;
  bool settingText_ = false;
  std::string original_;
};

}  // namespace fenu::ui
