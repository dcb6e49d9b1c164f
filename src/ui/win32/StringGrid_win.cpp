#include "ui/win32/StringGrid_win.h"

#include <windowsx.h>

#include <algorithm>
#include <cwchar>
#include <utility>

#include "ui/win32/AppError_win.h"
#include "ui/win32/Text_win.h"

namespace fenu::ui {
namespace {

constexpr UINT kStartEditMessage = WM_APP + 60;
// Not a number the windows give their own controls (IDOK is 1).
constexpr int kEditorId = 0x3FF0;

}  // namespace

StringGridView::~StringGridView() {
  if (list_) RemoveWindowSubclass(list_, ListProc, 0);
  if (edit_) RemoveWindowSubclass(edit_, EditProc, 0);
  // The list may outlive this view; it must not keep the picture list that goes now.
  if (list_ && IsWindow(list_)) ListView_SetImageList(list_, nullptr, LVSIL_SMALL);
}

void StringGridView::Attach(HWND list, StringGrid& model, const Options& options, int dpi, HFONT headerFont) {
  list_ = list;
  model_ = &model;
  options_ = options;
  dpi_ = dpi;
  ListView_SetExtendedListViewStyle(list_, LVS_EX_GRIDLINES);
  MakeRowImages();
  if (HWND header = ListView_GetHeader(list_)) SendMessageW(header, WM_SETFONT, reinterpret_cast<WPARAM>(headerFont), TRUE);
  SetWindowPos(list_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);

  edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | ES_AUTOHSCROLL | ES_LEFT, 0, 0, 0, 0, list_,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditorId)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(edit_, WM_SETFONT, SendMessageW(list_, WM_GETFONT, 0, 0), FALSE);
  SetWindowSubclass(list_, ListProc, 0, reinterpret_cast<DWORD_PTR>(this));
  SetWindowSubclass(edit_, EditProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void StringGridView::MakeRowImages() {
  ImageList images(ImageList_Create(1, std::max(1, Scale(options_.rowHeight) - 1), ILC_COLOR, 1, 0));
  ListView_SetImageList(list_, images.Get(), LVSIL_SMALL);
  rowImages_ = std::move(images);
}

void StringGridView::SetDpi(int dpi) {
  if (dpi <= 0 || dpi == dpi_) return;
  dpi_ = dpi;
  if (!list_) return;
  MakeRowImages();
  if (editing_) PlaceEditor();
  InvalidateRect(list_, nullptr, TRUE);
}

void StringGridView::SyncWidths() {
  HWND header = ListView_GetHeader(list_);
  const int columns = header ? Header_GetItemCount(header) : 0;
  for (int c = 0; c < columns && c < model_->ColCount(); ++c) model_->SetColWidth(c, Unscale(ListView_GetColumnWidth(list_, c)));
}

void StringGridView::Render() {
  HWND header = ListView_GetHeader(list_);
  int columns = header ? Header_GetItemCount(header) : 0;
  SyncWidths();
  while (columns > model_->ColCount()) ListView_DeleteColumn(list_, --columns);
  for (int c = 0; c < model_->ColCount(); ++c) {
    std::wstring text = ToWide(model_->Cell(c, 0));
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = LVCFMT_LEFT;
    column.cx = Scale(model_->ColWidth(c));
    column.pszText = text.data();
    if (c < columns) {
      ListView_SetColumn(list_, c, &column);
    } else {
      ListView_InsertColumn(list_, c, &column);
      ++columns;
    }
  }
  const int items = std::max(0, model_->RowCount() - model_->FixedRows());
  if (ListView_GetItemCount(list_) != items) ListView_SetItemCountEx(list_, items, LVSICF_NOSCROLL);
  if (editing_) EndEdit(true);
  InvalidateRect(list_, nullptr, TRUE);
}

void StringGridView::ReadBack() {
  EndEdit(true);
  SyncWidths();
}

RECT StringGridView::CellRect(int col, int row) const {
  RECT rect{};
  const int item = row - model_->FixedRows();
  // The first column's label starts after the row picture; the others span their column.
  ListView_GetSubItemRect(list_, item, col, col == 0 ? LVIR_LABEL : LVIR_BOUNDS, &rect);
  return rect;
}

void StringGridView::ScrollIntoView() {
  const int item = model_->row - model_->FixedRows();
  if (item < 0) return;
  ListView_EnsureVisible(list_, item, FALSE);
  RECT client;
  GetClientRect(list_, &client);
  const RECT cell = CellRect(model_->col, model_->row);
  if (cell.right > client.right) ListView_Scroll(list_, std::min(cell.right - client.right, cell.left), 0);
  else if (cell.left < 0) ListView_Scroll(list_, cell.left, 0);
}

void StringGridView::MoveTo(int col, int row) {
  model_->SetCurrent(col, row);
  ScrollIntoView();
  InvalidateRect(list_, nullptr, FALSE);
}

bool StringGridView::CharAllowed(wchar_t c) const {
  if (!onKeyPress) return true;
  const std::string text = FromWide(std::wstring_view(&c, 1));
  return onKeyPress(text.empty() ? '?' : text[0]);
}

void StringGridView::StartEdit(const std::wstring* typed) {
  if (editing_ || model_->RowCount() <= model_->FixedRows()) return;
  ScrollIntoView();
  const int col = model_->col;
  const int row = model_->row;
  original_ = model_->Cell(col, row);
  settingText_ = true;
  SetWindowTextW(edit_, typed ? typed->c_str() : ToWide(original_).c_str());
  settingText_ = false;
  if (typed) model_->SetCell(col, row, FromWide(*typed));
  PlaceEditor();
  editing_ = true;
  ShowWindow(edit_, SW_SHOW);
  SetFocus(edit_);
  if (typed) SendMessageW(edit_, EM_SETSEL, static_cast<WPARAM>(typed->size()), static_cast<LPARAM>(typed->size()));
  else SendMessageW(edit_, EM_SETSEL, 0, -1);
}

void StringGridView::PlaceEditor() {
  const RECT cell = CellRect(model_->col, model_->row);
  MoveWindow(edit_, cell.left + 2, cell.top + 1, std::max(0, static_cast<int>(cell.right - cell.left) - 3),
             std::max(0, static_cast<int>(cell.bottom - cell.top) - 1), TRUE);
}

void StringGridView::EndEdit(bool keep) {
  if (!editing_ || ending_) return;
  ending_ = true;
  editing_ = false;
  if (!keep) model_->SetCell(model_->col, model_->row, original_);
  const bool hadFocus = GetFocus() == edit_;
  ShowWindow(edit_, SW_HIDE);
  if (hadFocus) SetFocus(list_);
  InvalidateRect(list_, nullptr, FALSE);
  ending_ = false;
}

void StringGridView::PressButton(int id) {
  HWND form = GetParent(list_);
  PostMessageW(form, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(form, id)));
}

bool StringGridView::ListKey(WPARAM key) {
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  const int page = std::max(1, static_cast<int>(ListView_GetCountPerPage(list_)));
  int col = model_->col;
  int row = model_->row;
  switch (key) {
    case VK_UP: --row; break;
    case VK_DOWN: ++row; break;
    case VK_LEFT: --col; break;
    case VK_RIGHT: ++col; break;
    case VK_PRIOR: row -= page; break;
    case VK_NEXT: row += page; break;
    case VK_HOME: (ctrl ? row : col) = 0; break;
    case VK_END: (ctrl ? row : col) = ctrl ? model_->RowCount() - 1 : model_->ColCount() - 1; break;
    case VK_F2:
      StartEdit(nullptr);
      return true;
    default: return false;
  }
  MoveTo(col, row);
  return true;
}

void StringGridView::Click(LPARAM at, bool twice) {
  const bool hadFocus = GetFocus() == list_;
  SetFocus(list_);
  LVHITTESTINFO hit{};
  hit.pt = {GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  if (ListView_SubItemHitTest(list_, &hit) < 0 || hit.iItem < 0) return;
  const int row = hit.iItem + model_->FixedRows();
  const bool current = row == model_->row && hit.iSubItem == model_->col;
  MoveTo(hit.iSubItem, row);
  if ((current && hadFocus) || twice) StartEdit(nullptr);
}

LRESULT CALLBACK StringGridView::ListProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  (void)hwnd;
  FENU_GUARDED(return reinterpret_cast<StringGridView*>(self)->ListMessage(msg, wParam, lParam);)
}

LRESULT CALLBACK StringGridView::EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  (void)hwnd;
  FENU_GUARDED(return reinterpret_cast<StringGridView*>(self)->EditMessage(msg, wParam, lParam);)
}

LRESULT StringGridView::ListMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
      if (ListKey(wParam)) return 0;
      break;
    case WM_CHAR: {
      const auto c = static_cast<wchar_t>(wParam);
      if (c < L' ' || c == 0x7F) return 0;
      if (!CharAllowed(c)) return 0;
      const std::wstring typed(1, c);
      StartEdit(&typed);
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      Click(lParam, msg == WM_LBUTTONDBLCLK);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      SetFocus(list_);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      const LRESULT result = DefSubclassProc(list_, msg, wParam, lParam);
      InvalidateRect(list_, nullptr, FALSE);
      if (msg == WM_SETFOCUS && options_.alwaysShowEditor && !ending_) PostMessageW(list_, kStartEditMessage, 0, 0);
      return result;
    }
    case kStartEditMessage:
      if (options_.alwaysShowEditor && GetFocus() == list_) StartEdit(nullptr);
      return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
      EndEdit(true);
      break;
    case WM_NOTIFY: {
      // The header: a column taking another width ends editing and is remembered.
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->code == HDN_BEGINTRACKW || header->code == HDN_DIVIDERDBLCLICKW) EndEdit(true);
      const LRESULT result = DefSubclassProc(list_, msg, wParam, lParam);
      if (header->code == HDN_ENDTRACKW || header->code == HDN_ITEMCHANGEDW) SyncWidths();
      return result;
    }
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lParam) == edit_ && HIWORD(wParam) == EN_CHANGE && editing_ && !settingText_)
        model_->SetCell(model_->col, model_->row, GetText(edit_));
      return 0;
    default:
      break;
  }
  return DefSubclassProc(list_, msg, wParam, lParam);
}

LRESULT StringGridView::EditMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_GETDLGCODE:
      return DefSubclassProc(edit_, msg, wParam, lParam) | DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTARROWS;
    case WM_KEYDOWN: {
      if (onKeyDown && !onKeyDown(static_cast<unsigned>(wParam))) return 0;
      const bool shift = GetKeyState(VK_SHIFT) < 0;
      switch (wParam) {
        case VK_RETURN:
          EndEdit(true);
          if (options_.alwaysShowEditor) {
            const LRESULT def = SendMessageW(GetParent(list_), DM_GETDEFID, 0, 0);
            PressButton(HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK);
          }
          return 0;
        case VK_ESCAPE:
          EndEdit(false);
          if (options_.alwaysShowEditor) PressButton(IDCANCEL);
          return 0;
        case VK_TAB: {
          EndEdit(true);
          HWND form = GetParent(list_);
          SendMessageW(form, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetNextDlgTabItem(form, list_, shift)), TRUE);
          return 0;
        }
        case VK_LEFT:
        case VK_RIGHT: {
          DWORD start = 0, end = 0;
          SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
          const auto length = static_cast<DWORD>(GetWindowTextLengthW(edit_));
          const bool atEdge = start == end && (wParam == VK_LEFT ? start == 0 : end == length);
          if (!atEdge || shift) break;
          [[fallthrough]];
        }
        case VK_UP:
        case VK_DOWN:
        case VK_PRIOR:
        case VK_NEXT:
          EndEdit(true);
          ListKey(wParam);
          if (options_.alwaysShowEditor) StartEdit(nullptr);
          return 0;
        default:
          break;
      }
      break;
    }
    case WM_CHAR: {
      const auto c = static_cast<wchar_t>(wParam);
      if (c == L'\r' || c == L'\t' || c == 27) return 0;
      if (!CharAllowed(c)) return 0;
      break;
    }
    case WM_PASTE:
    case WM_CUT:
    case WM_UNDO:
    case EM_UNDO:
      if (!CharAllowed(0x16)) return 0;
      break;
    case WM_CLEAR:
      if (!CharAllowed(0x16) || (onKeyDown && !onKeyDown(VK_DELETE))) return 0;
      break;
    case WM_KILLFOCUS: {
      const LRESULT result = DefSubclassProc(edit_, msg, wParam, lParam);
      EndEdit(true);
      return result;
    }
    default:
      break;
  }
  return DefSubclassProc(edit_, msg, wParam, lParam);
}

bool StringGridView::OnNotify(const NMHDR* header, LRESULT& result) {
  if (header->hwndFrom != list_) return false;
  switch (header->code) {
    case LVN_GETDISPINFOW: {
      auto* info = reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(header));
      LVITEMW& item = info->item;
      if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
        const std::wstring text = ToWide(model_->Cell(item.iSubItem, item.iItem + model_->FixedRows()));
        std::wcsncpy(item.pszText, text.c_str(), static_cast<std::size_t>(item.cchTextMax) - 1);
        item.pszText[item.cchTextMax - 1] = L'\0';
      }
      if (item.mask & LVIF_IMAGE) item.iImage = -1;
      result = 0;
      return true;
    }
    case NM_CUSTOMDRAW: {
      auto* draw = reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(header));
      switch (draw->nmcd.dwDrawStage) {
        case CDDS_PREPAINT: result = CDRF_NOTIFYITEMDRAW; return true;
        case CDDS_ITEMPREPAINT: result = CDRF_NOTIFYSUBITEMDRAW; return true;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
          const int row = static_cast<int>(draw->nmcd.dwItemSpec) + model_->FixedRows();
          const bool current = row == model_->row && draw->iSubItem == model_->col && !editing_;
          const bool focused = GetFocus() == list_;
          draw->nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED | CDIS_FOCUS);
          draw->clrText = GetSysColor(current && focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
          draw->clrTextBk = GetSysColor(current ? (focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE) : COLOR_WINDOW);
          result = CDRF_NEWFONT;
          return true;
        }
        default: result = CDRF_DODEFAULT; return true;
      }
    }
    case LVN_ODFINDITEMW:
      result = -1;
      return true;
    default:
      return false;
  }
}

}  // namespace fenu::ui
