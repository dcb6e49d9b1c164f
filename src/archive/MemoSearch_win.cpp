#include "archive/MemoSearch_win.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "archive/ReplaceQuestion_win.h"
#include "common/Help.h"
#include "ui/win32/AppError_win.h"
#include "ui/win32/ExecutableFolder_win.h"
#include "ui/win32/Form_win.h"
#include "ui/win32/GdiObject_win.h"
#include "ui/win32/MessageLoop_win.h"
#include "ui/win32/Text_win.h"

namespace fenu {
namespace {

constexpr UINT_PTR kSubclassId = 0x4D454D4F;  // one per memo, whoever else subclasses it
// Enough for whatever a key press leaves behind; a queue that never empties must not hold us.
constexpr int kMaxPendingMessages = 1000;

bool KeyHeld(int key) { return (GetKeyState(key) & 0x8000) != 0; }

FindOptions ToDialogOptions(FindFlags flags) {
  FindOptions options;
  options.down = (flags & frDown) != 0;
  options.matchCase = (flags & frMatchCase) != 0;
  options.wholeWord = (flags & frWholeWord) != 0;
  options.hideUpDown = (flags & frHideUpDown) != 0;
  options.hideMatchCase = (flags & frHideMatchCase) != 0;
  options.hideWholeWord = (flags & frHideWholeWord) != 0;
  options.disableUpDown = (flags & frDisableUpDown) != 0;
  options.disableMatchCase = (flags & frDisableMatchCase) != 0;
  options.disableWholeWord = (flags & frDisableWholeWord) != 0;
  options.showHelp = (flags & frShowHelp) != 0;
  return options;
}

// The dialog's options as flags; which button was pressed last is the search's own knowledge.
FindFlags FromDialogOptions(const FindOptions& options, FindFlags buttons) {
  const std::pair<bool, FindFlags> flags[] = {
      {options.down, frDown},
      {options.matchCase, frMatchCase},
      {options.wholeWord, frWholeWord},
      {options.hideUpDown, frHideUpDown},
      {options.hideMatchCase, frHideMatchCase},
      {options.hideWholeWord, frHideWholeWord},
      {options.disableUpDown, frDisableUpDown},
      {options.disableMatchCase, frDisableMatchCase},
      {options.disableWholeWord, frDisableWholeWord},
      {options.showHelp, frShowHelp},
  };
  FindFlags result = buttons & (frFindNext | frReplace | frReplaceAll);
  for (const auto& [set, flag] : flags)
    if (set) result |= flag;
  return result;
}

POINT CharPosition(HWND memo, std::size_t offset) {
  const LRESULT at = SendMessageW(memo, EM_POSFROMCHAR, offset, 0);
  if (at == -1) return {-1, -1};
  return {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
}

}  // namespace

MemoSearchView::MemoSearchView(Services& services) : services_(services), logic_(*this) {}

MemoSearchView::~MemoSearchView() {
  *alive_ = false;
  Detach();
  if (dialogOpen_) services_.findReplace.Discard();
}

void MemoSearchView::Attach(HWND memo) {
  Detach();
  if (!memo) return;
  if (!SetWindowSubclass(memo, MemoProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
    throw std::runtime_error("SetWindowSubclass memo");
  memo_ = memo;
}

void MemoSearchView::Detach() {
  if (!memo_) return;
  RemoveWindowSubclass(memo_, MemoProc, kSubclassId);
  memo_ = nullptr;
}

LRESULT CALLBACK MemoSearchView::MemoProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR data) {
  auto* self = reinterpret_cast<MemoSearchView*>(data);
  FENU_GUARDED(return self->HandleMemoMessage(msg, wParam, lParam);)
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

LRESULT MemoSearchView::HandleMemoMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND memo = memo_;
  switch (msg) {
    case WM_KEYDOWN: {
      const ShortCut key = MakeShortCut(static_cast<unsigned>(wParam), KeyHeld(VK_SHIFT), KeyHeld(VK_CONTROL),
                                        KeyHeld(VK_MENU));
      switch (logic_.KeyDown(key)) {
        case TMemoSearch::KeyAction::PostOpenFind: PostMessageW(memo, kOpenFindMessage, 0, 0); return 0;
        case TMemoSearch::KeyAction::PostOpenReplace: PostMessageW(memo, kOpenReplaceMessage, 0, 0); return 0;
        case TMemoSearch::KeyAction::SearchedAgain: return 0;
        case TMemoSearch::KeyAction::PassOn: break;
      }
      break;
    }
    case WM_CHAR:
      if (logic_.DropCharacter()) return 0;
      break;
    case kOpenFindMessage:
    case kOpenReplaceMessage:
    {
      const std::shared_ptr<bool> alive = alive_;
      ProcessPendingMessages();
      if (!*alive || memo_ != memo) return 0;  // the memo, or the search, went meanwhile
    }
      if (msg == kOpenFindMessage)
        logic_.OpenFindMessage();
      else
        logic_.OpenReplaceMessage();
      return 0;
    case WM_PAINT:
      if (asking_) {
        const LRESULT result = DefSubclassProc(memo, msg, wParam, lParam);
        PaintSelection();
        return result;
      }
      break;
    case WM_NCDESTROY:
      Detach();
      if (dialogOpen_) {
        dialogOpen_ = false;
        services_.findReplace.Discard();
      }
      break;
    default:
      break;
  }
  return DefSubclassProc(memo, msg, wParam, lParam);
}

void MemoSearchView::ProcessPendingMessages() {
  HWND window = GetAncestor(memo_, GA_ROOT);
  MSG msg;
  for (int i = 0; i < kMaxPendingMessages && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    // The memo's own window gets its dialog manager, as in the loop that runs it.
    if (ui::ModelessDialogMessage(msg)) continue;
    if (ui::Form::PreTranslate(msg)) continue;
    if (window && msg.hwnd && GetAncestor(msg.hwnd, GA_ROOT) == window && IsDialogMessageW(window, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// ---- the memo ---------------------------------------------------------------------------------

std::string MemoSearchView::MemoText() {
  if (!memo_) return {};
  const int length = GetWindowTextLengthW(memo_);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(std::max(0, GetWindowTextW(memo_, text.data(), length + 1))));
  // One character of the text for each of the control's, so that offsets agree: a character
  // outside the BMP counts two in the control.
  for (wchar_t& c : text)
    if (c >= 0xD800 && c <= 0xDFFF) c = L'?';
  return ui::FromWide(text);
}

MemoRange MemoSearchView::MemoSelection() {
  if (!memo_) return {};
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(memo_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end >= start ? end - start : 0};
}

void MemoSearchView::SelectInMemo(MemoRange range) {
  if (!memo_) return;
  SendMessageW(memo_, EM_SETSEL, range.start, range.start + range.length);
  SendMessageW(memo_, EM_SCROLLCARET, 0, 0);
}

void MemoSearchView::ReplaceInMemo(MemoRange range, std::string_view text) {
  if (!memo_) return;
  const std::wstring wide = ui::ToWide(text);
  // The control cuts what goes beyond its limit: the limit makes room for the whole result.
  const std::size_t length = static_cast<std::size_t>(GetWindowTextLengthW(memo_));
  const std::size_t needed = length - std::min(length, range.length) + wide.size();
  if (needed > static_cast<std::size_t>(SendMessageW(memo_, EM_GETLIMITTEXT, 0, 0)))
    SendMessageW(memo_, EM_SETLIMITTEXT, needed, 0);
  SendMessageW(memo_, EM_SETSEL, range.start, range.start + range.length);
  SendMessageW(memo_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
}

void MemoSearchView::FocusMemo() {
  if (memo_) SetFocus(memo_);
}

// ---- the dialogs and boxes ----------------------------------------------------------------------

void MemoSearchView::ShowDialog(bool replace, std::string_view findText, FindFlags options, int helpContext) {
  helpContext_ = helpContext;
  services_.findReplace.Open(replace ? FindDialogKind::Replace : FindDialogKind::Find, findText, "",
                             ToDialogOptions(options), *this);
  dialogOpen_ = true;
}

void MemoSearchView::CloseDialog() {
  if (dialogOpen_) services_.findReplace.Close();
}

void MemoSearchView::OnFindEvent(const FindEvent& event) {
  if (event.action == FindAction::Closed) {
    dialogOpen_ = false;
    logic_.DialogClosed(FromDialogOptions(event.options, logic_.Options));
    return;
  }
  if (event.action == FindAction::Help) {
    if (helpContext_ != 0) ShowHelpContext(services_.help, ui::ExecutableFolder(), helpContext_);
    return;
  }
  if (asking_) return;  // one replacement at a time: the question is answered first
  const TMemoSearch::Button button = event.action == FindAction::FindNext ? TMemoSearch::Button::FindNext
                                     : event.action == FindAction::Replace ? TMemoSearch::Button::Replace
                                                                           : TMemoSearch::Button::ReplaceAll;
  logic_.DialogButton(button, event.findWhat, event.replaceWith, FromDialogOptions(event.options, 0));
}

void MemoSearchView::ShowResult(std::string_view caption, std::string_view text) {
  HWND owner = memo_ ? GetAncestor(memo_, GA_ROOT) : nullptr;
  MessageBoxW(owner, ui::ToWide(text).c_str(), ui::ToWide(caption).c_str(), MB_OK | (owner ? 0 : MB_TASKMODAL));
}

ReplaceAnswer MemoSearchView::AskReplace(std::size_t offset) {
  if (!memo_) return ReplaceAnswer::No;
  HWND memo = memo_;
  POINT hit = CharPosition(memo, offset);
  if (hit.x >= 0 && hit.y >= 0) ClientToScreen(memo, &hit);
  // The height of "0" in the font of the window that holds the memo.
  int zeroHeight = 0;
  {
    ui::WindowDc dc(memo);
    HWND holder = GetParent(memo);
    HFONT font = holder ? reinterpret_cast<HFONT>(SendMessageW(holder, WM_GETFONT, 0, 0)) : nullptr;
    ui::Selection selected(dc.Get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    GetTextExtentPoint32W(dc.Get(), L"0", 1, &size);
    zeroHeight = size.cy;
  }
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  asking_ = true;
  InvalidateRect(memo, nullptr, FALSE);
  ReplaceAnswer answer = ReplaceAnswer::No;
  try {
    answer = AskReplaceQuestion(GetAncestor(memo, GA_ROOT), [&](int width, int height) {
      return ReplaceQuestionPlace(hit.x, hit.y, width, height, screenWidth, screenHeight, zeroHeight);
    });
  } catch (...) {
    asking_ = false;
    throw;
  }
  asking_ = false;
  if (memo_ == memo) InvalidateRect(memo, nullptr, FALSE);
  return answer;
}

void MemoSearchView::PaintSelection() {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(memo_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  if (end <= start || GetFocus() == memo_) return;
  // The selected characters, line by line of the control (a hit may run over a wrapped line).
  const LRESULT firstLine = SendMessageW(memo_, EM_LINEFROMCHAR, start, 0);
  const LRESULT lastLine = SendMessageW(memo_, EM_LINEFROMCHAR, end, 0);
  ui::WindowDc dc(memo_);
  RECT area{};
  SendMessageW(memo_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
  IntersectClipRect(dc.Get(), area.left, area.top, area.right, area.bottom);
  ui::Selection font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(memo_, WM_GETFONT, 0, 0)));
  SetBkMode(dc.Get(), OPAQUE);
  SetBkColor(dc.Get(), GetSysColor(COLOR_HIGHLIGHT));
  SetTextColor(dc.Get(), GetSysColor(COLOR_HIGHLIGHTTEXT));
  for (LRESULT line = firstLine; line <= lastLine; ++line) {
    const LRESULT lineStart = SendMessageW(memo_, EM_LINEINDEX, line, 0);
    const LRESULT lineLength = SendMessageW(memo_, EM_LINELENGTH, lineStart, 0);
    if (lineStart < 0 || lineLength <= 0) continue;
    std::vector<wchar_t> buffer(static_cast<std::size_t>(lineLength) + 1, L'\0');
    *reinterpret_cast<WORD*>(buffer.data()) = static_cast<WORD>(std::min<LRESULT>(lineLength, 0xFFFF));
    const LRESULT copied = SendMessageW(memo_, EM_GETLINE, line, reinterpret_cast<LPARAM>(buffer.data()));
    const DWORD from = std::max<DWORD>(start, static_cast<DWORD>(lineStart));
    const DWORD to = std::min<DWORD>(end, static_cast<DWORD>(lineStart + copied));
    if (to <= from) continue;
    const POINT at = CharPosition(memo_, from);
    if (at.x == -1 && at.y == -1) continue;
    TextOutW(dc.Get(), at.x, at.y, buffer.data() + (from - lineStart), static_cast<int>(to - from));
  }
}

}  // namespace fenu
