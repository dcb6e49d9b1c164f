#include "platform/win32/Win32Services_win.h"

#include <shlobj.h>

#include "ui/win32/Text_win.h"

namespace fenu::win32 {

bool Win32FolderBrowser::BrowseForFolder(std::string_view title, std::string& path) {
  // The dialog's tree is built from shell folders, which want COM on this thread.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const std::wstring wideTitle = ui::ToWide(title);
  BROWSEINFOW info{};
  info.hwndOwner = GetActiveWindow();
  info.pidlRoot = nullptr;  // the desktop
  info.lpszTitle = wideTitle.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  bool chosen = false;
  if (PIDLIST_ABSOLUTE folder = SHBrowseForFolderW(&info)) {
    wchar_t buffer[MAX_PATH] = {};
    if (SHGetPathFromIDListW(folder, buffer)) {
      path = ui::FromWide(buffer);
      chosen = true;
    }
    CoTaskMemFree(folder);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return chosen;
}

}  // namespace fenu::win32
