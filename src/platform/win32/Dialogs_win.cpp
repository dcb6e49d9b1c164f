#include <cwchar>

#include "platform/win32/Win32Services_win.h"
#include "ui/win32/ActiveOwner_win.h"
#include "ui/win32/Text_win.h"

namespace fenu::win32 {
namespace {

// Message boxes take their button captions from the system language; a CBT hook renames them
// to German as the box is activated, whatever language the system speaks.
thread_local HHOOK t_hook = nullptr;

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
      UnhookWindowsHookEx(t_hook);
      t_hook = nullptr;
      return 0;
    }
  }
  return CallNextHookEx(t_hook, code, wParam, lParam);
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
  if (t_hook) UnhookWindowsHookEx(t_hook);
  t_hook = SetWindowsHookExW(WH_CBT, GermanButtonsHook, nullptr, GetCurrentThreadId());
  const int answer = MessageBoxW(owner, ui::ToWide(text).c_str(), ui::ToWide(MsgKindTitle(kind)).c_str(), style);
  if (t_hook) {
    UnhookWindowsHookEx(t_hook);
    t_hook = nullptr;
  }
  switch (answer) {
    case IDYES: return MsgResult::Yes;
    case IDNO: return MsgResult::No;
    case IDOK: return MsgResult::Ok;
    default: return MsgResult::Cancel;
  }
}

}  // namespace fenu::win32
