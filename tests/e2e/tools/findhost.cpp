// findhost.exe find|replace TEXT [REPLACEMENT]: the program's find and replace service, for real.
//
// Shows a window (class "FindHost", title "Suchen und Ersetzen") and opens the platform's find or
// replace dialog through win32::Win32FindReplace, owned by that window, starting with TEXT (and
// REPLACEMENT). Each event the service reports goes out through OutputDebugStringW as
// "findhost: <Action> \"find\" [\"replace\"] down|up [matchcase] [wholeword]"; the opening as
// "findhost: open". A "Weitersuchen" for the text "zu" makes the host close the dialog itself.
// The message loop is the program's own (ui::DispatchLoopMessage), so the dialog gets its keys.

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "platform/win32/Win32Services_win.h"
#include "ui/win32/Form_win.h"
#include "ui/win32/MessageLoop_win.h"
#include "ui/win32/Text_win.h"

namespace {

using namespace fenu;

const char* ActionName(FindAction action) {
  switch (action) {
    case FindAction::FindNext: return "FindNext";
    case FindAction::Replace: return "Replace";
    case FindAction::ReplaceAll: return "ReplaceAll";
    case FindAction::Help: return "Help";
    case FindAction::Closed: return "Closed";
  }
  return "?";
}

void Trace(const std::string& line) { OutputDebugStringW((L"findhost: " + ui::ToWide(line) + L"\n").c_str()); }

class Host : public ui::Form, public IFindListener {
 public:
  Host(win32::Win32FindReplace& dialogs, FindDialogKind kind) : Form(L"FindHost", 320, 120), dialogs_(dialogs), kind_(kind) {}

  void OnFindEvent(const FindEvent& event) override {
    std::string line = std::string(ActionName(event.action)) + " \"" + event.findWhat + "\"";
    if (kind_ == FindDialogKind::Replace) line += " \"" + event.replaceWith + "\"";
    line += event.options.down ? " down" : " up";
    if (event.options.matchCase) line += " matchcase";
    if (event.options.wholeWord) line += " wholeword";
    Trace(line);
    if (event.action == FindAction::FindNext && event.findWhat == "zu") dialogs_.Close();
  }

 protected:
  void OnCreate() override {
    SetCaption("Suchen und Ersetzen");
    AddLabel(101, "Der Dialog meldet sich hier.", 12, 12, 296, 20);
  }
  bool OnCloseQuery(int) override {
    PostQuitMessage(0);
    return true;
  }

 private:
  win32::Win32FindReplace& dialogs_;
  FindDialogKind kind_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc < 3) return 2;
  const std::wstring mode = argv[1];
  const FindDialogKind kind = mode == L"replace" ? FindDialogKind::Replace : FindDialogKind::Find;
  const std::string findWhat = ui::FromWide(argv[2]);
  const std::string replaceWith = argc > 3 ? ui::FromWide(argv[3]) : std::string();
  LocalFree(argv);

  win32::Win32FindReplace dialogs;
  Host host(dialogs, kind);
  host.ShowModeless(nullptr);
  dialogs.Open(kind, findWhat, replaceWith, FindOptions{}, host);
  Trace("open");
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) ui::DispatchLoopMessage(msg);
  dialogs.Discard();
  return 0;
}
