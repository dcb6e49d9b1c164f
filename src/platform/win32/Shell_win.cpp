#include "platform/win32/Win32Services_win.h"

#include <shellapi.h>

#include <string>

#include "ui/win32/Text_win.h"

namespace fenu::win32 {
namespace {

constexpr UINT kHhDisplayTopic = 0x0000;
using HtmlHelpFn = HWND(WINAPI*)(HWND, const wchar_t*, UINT, DWORD_PTR);

HtmlHelpFn LoadHtmlHelp() {
  static HtmlHelpFn function = [] {
    HMODULE module = LoadLibraryW(L"hhctrl.ocx");
    return module ? reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void*>(GetProcAddress(module, "HtmlHelpW")))
                  : nullptr;
  }();
  return function;
}

}  // namespace

void Win32ShellExec::Execute(std::string_view target, std::string_view arguments, ShowState state) {
  const int show = state == ShowState::Maximized ? SW_SHOWMAXIMIZED : state == ShowState::Hidden ? SW_HIDE : SW_SHOWNORMAL;
  // What the shell is asked to start, for a debugger or a test to read.
  const char* how = state == ShowState::Maximized ? "maximized" : state == ShowState::Hidden ? "hidden" : "normal";
  OutputDebugStringW(ui::ToWide("fenu: shell \"" + std::string(target) + "\" \"" + std::string(arguments) + "\" " + how +
                                "\n")
                         .c_str());
  const std::wstring wideTarget = ui::ToWide(target);
  const std::wstring wideArguments = ui::ToWide(arguments);
  ShellExecuteW(nullptr, L"open", wideTarget.c_str(), wideArguments.empty() ? nullptr : wideArguments.c_str(), nullptr,
                show);
}

void Win32HelpViewer::ShowTopic(std::string_view helpFile, std::string_view topic) {
  // Topics are opened by file name rather than by the help file's context table, which some
  // help compilers fill with paths of the machine that built it.
  if (HtmlHelpFn htmlHelp = LoadHtmlHelp()) {
    const std::wstring url = ui::ToWide(std::string(helpFile) + "::/" + std::string(topic));
    htmlHelp(GetActiveWindow(), url.c_str(), kHhDisplayTopic, 0);
  }
}

}  // namespace fenu::win32
