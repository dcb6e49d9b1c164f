#include <cwchar>
#include <utility>

#include "platform/win32/Win32Services_win.h"
#include "ui/win32/ActiveOwner_win.h"
#include "ui/win32/GdiObject_win.h"
#include "ui/win32/Text_win.h"

namespace fenu::win32 {
namespace {

// Message boxes take their button captions from the system language; a CBT hook renames them
// to German as the box is activated, whatever language the system speaks. The hook lives while
// MessageDlg waits for its box and goes as soon as the box is renamed.
thread_local ui::Hook* t_hook = nullptr;

LRESULT CALLBACK GermanButtonsHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND box = reinterpret_cast<HWND>(wParam);
    wchar_t className[16] = {};
    GetClassNameW(box, className, 16);
    if (std::wcscmp(className, L"#32770") == 0) {
      SetDlgItemTextW(box, IDYES, L"&Ja");
      SetDlgItemTextW(box, IDNO, L"&Nein");
      SetDlgItemTextW(box, IDOK, L"OK");
      SetDlgItemTextW(box, IDCANCEL, L"Abbrechen");
      if (t_hook) t_hook->Reset();
      return 0;
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

UINT Style(MsgKind kind, MsgButtons buttons) {
  UINT style = MB_SETFOREGROUND;
  switch (kind) {
    case MsgKind::Confirmation: style |= MB_ICONQUESTION; break;
    case MsgKind::Error: style |= MB_ICONERROR; break;
    case MsgKind::Information: style |= MB_ICONINFORMATION; break;
    case MsgKind::Warning: style |= MB_ICONWARNING; break;
    case MsgKind::Plain: break;
  }
  switch (buttons) {
    case MsgButtons::Ok: style |= MB_OK; break;
    case MsgButtons::OkCancel: style |= MB_OKCANCEL; break;
    case MsgButtons::YesNo: style |= MB_YESNO; break;
    case MsgButtons::YesNoCancel: style |= MB_YESNOCANCEL; break;
  }
  return style;
}

}  // namespace

MsgResult Win32Dialogs::MessageDlg(MsgKind kind, std::string_view text, MsgButtons buttons) {
  // Modal to the window in front of this thread; with none, to every window of the thread.
  HWND owner = ui::ActiveOwner();
  UINT style = Style(kind, buttons);
  if (!owner) style |= MB_TASKMODAL;
  // A hook still waiting for an earlier box (asked for from inside it) goes first.
  if (t_hook) t_hook->Reset();
  ui::Hook hook(SetWindowsHookExW(WH_CBT, GermanButtonsHook, nullptr, GetCurrentThreadId()));
  ui::Hook* const outer = std::exchange(t_hook, &hook);
  const int answer = MessageBoxW(owner, ui::ToWide(text).c_str(), ui::ToWide(MsgKindTitle(kind)).c_str(), style);
  t_hook = outer;
  switch (answer) {
    case IDYES: return MsgResult::Yes;
    case IDNO: return MsgResult::No;
    case IDOK: return MsgResult::Ok;
    default: return MsgResult::Cancel;
  }
}

}  // namespace fenu::win32
