#include "platform/win32/Win32Services_win.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "ui/win32/AppError_win.h"
#include "ui/win32/MessageLoop_win.h"
#include "ui/win32/Text_win.h"

namespace fenu::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 0x46524450;  // one subclass per owner, whoever else subclasses it

UINT FindMessage() {
  static const UINT message = RegisterWindowMessageW(FINDMSGSTRINGW);
  return message;
}

UINT HelpMessage() {
  static const UINT message = RegisterWindowMessageW(HELPMSGSTRINGW);
  return message;
}

DWORD ToFlags(const FindOptions& options) {
  const std::pair<bool, DWORD> flags[] = {
      {options.down, FR_DOWN},
      {options.matchCase, FR_MATCHCASE},
      {options.wholeWord, FR_WHOLEWORD},
      {options.hideUpDown, FR_HIDEUPDOWN},
      {options.hideMatchCase, FR_HIDEMATCHCASE},
      {options.hideWholeWord, FR_HIDEWHOLEWORD},
      {options.disableUpDown, FR_NOUPDOWN},
      {options.disableMatchCase, FR_NOMATCHCASE},
      {options.disableWholeWord, FR_NOWHOLEWORD},
      {options.showHelp, FR_SHOWHELP},
  };
  DWORD result = 0;
  for (const auto& [set, flag] : flags)
    if (set) result |= flag;
  return result;
}

void CopyText(std::string_view text, wchar_t* buffer, std::size_t capacity) {
  const std::wstring wide = ui::ToWide(text);
  const std::size_t length = std::min(wide.size(), capacity - 1);
  std::copy_n(wide.begin(), length, buffer);
  buffer[length] = L'\0';
}

}  // namespace

Win32FindReplace::~Win32FindReplace() {
  Discard();
  if (spareOwner_) DestroyWindow(spareOwner_);
}

void Win32FindReplace::Open(FindDialogKind kind, std::string_view findWhat, std::string_view replaceWith,
                            const FindOptions& options, IFindListener& listener) {
  Discard();
  owner_ = GetActiveWindow();
  if (!owner_) {
    if (!spareOwner_)
      spareOwner_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
    if (!spareOwner_) throw std::runtime_error("CreateWindowExW find dialog owner");
    owner_ = spareOwner_;
  }
  kind_ = kind;
  shape_ = options;
  CopyText(findWhat, findWhat_, kTextCapacity);
  CopyText(kind == FindDialogKind::Replace ? replaceWith : std::string_view(), replaceWith_, kTextCapacity);
  request_ = FINDREPLACEW{};
  request_.lStructSize = sizeof request_;
  request_.hwndOwner = owner_;
  request_.hInstance = GetModuleHandleW(nullptr);
  request_.Flags = ToFlags(options);
  request_.lpstrFindWhat = findWhat_;
  request_.wFindWhatLen = kTextCapacity;
  request_.lpstrReplaceWith = replaceWith_;
  request_.wReplaceWithLen = kTextCapacity;
  if (!SetWindowSubclass(owner_, OwnerProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
    throw std::runtime_error("SetWindowSubclass find dialog owner");
  dialog_ = kind == FindDialogKind::Find ? FindTextW(&request_) : ReplaceTextW(&request_);
  if (!dialog_) {
    RemoveWindowSubclass(owner_, OwnerProc, kSubclassId);
    owner_ = nullptr;
    throw std::runtime_error(kind == FindDialogKind::Find ? "FindTextW" : "ReplaceTextW");
  }
  listener_ = &listener;
  ui::AddModelessWindow(dialog_);
}

void Win32FindReplace::Close() {
  if (!dialog_) return;
  HWND dialog = dialog_;
  // As its close button does: the dialog reports FR_DIALOGTERM to its owner and destroys itself.
  SendMessageW(dialog, WM_CLOSE, 0, 0);
  if (dialog_ == dialog) {  // it did not say goodbye: the listener hears it all the same
    Report(FindAction::Closed);
    DestroyWindow(dialog);
  }
}

void Win32FindReplace::Discard() {
  if (!dialog_) return;
  HWND dialog = dialog_;
  Forget();
  listener_ = nullptr;
  DestroyWindow(dialog);
}

void Win32FindReplace::Forget() {
  if (dialog_) ui::RemoveModelessWindow(dialog_);
  dialog_ = nullptr;
  if (owner_) RemoveWindowSubclass(owner_, OwnerProc, kSubclassId);
  owner_ = nullptr;
}

void Win32FindReplace::Report(FindAction action) {
  FindEvent event;
  event.action = action;
  event.findWhat = ui::FromWide(findWhat_);
  if (kind_ == FindDialogKind::Replace) event.replaceWith = ui::FromWide(replaceWith_);
  event.options = shape_;
  event.options.down = (request_.Flags & FR_DOWN) != 0;
  event.options.matchCase = (request_.Flags & FR_MATCHCASE) != 0;
  event.options.wholeWord = (request_.Flags & FR_WHOLEWORD) != 0;
  IFindListener* listener = listener_;
  if (action == FindAction::Closed) {
    // Gone before the listener hears of it, so that it may open the next dialog at once.
    Forget();
    listener_ = nullptr;
  }
  if (listener) listener->OnFindEvent(event);
}

LRESULT CALLBACK Win32FindReplace::OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR data) {
  auto* self = reinterpret_cast<Win32FindReplace*>(data);
  FENU_GUARDED({
    const bool ours = reinterpret_cast<FINDREPLACEW*>(lParam) == &self->request_;
    if (msg == FindMessage() && ours) {
      const DWORD flags = self->request_.Flags;
      if (flags & FR_DIALOGTERM) self->Report(FindAction::Closed);
      else if (flags & FR_REPLACEALL) self->Report(FindAction::ReplaceAll);
      else if (flags & FR_REPLACE) self->Report(FindAction::Replace);
      else if (flags & FR_FINDNEXT) self->Report(FindAction::FindNext);
      return 0;
    }
    if (msg == HelpMessage() && ours) {
      self->Report(FindAction::Help);
      return 0;
    }
    if (msg == WM_NCDESTROY) {
      // The owner takes its dialog along; the listener, part of the owner's window, is going too.
      self->Forget();
      self->listener_ = nullptr;
    }
  })
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace fenu::win32
