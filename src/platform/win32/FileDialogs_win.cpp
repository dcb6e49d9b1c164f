#include "platform/win32/Win32Services_win.h"

#include <commdlg.h>

#include <vector>

#include "ui/win32/Text_win.h"

namespace fenu::win32 {
namespace {

bool RunFileDialog(const FileDialogOptions& options, std::string& path, bool save) {
  // "Text|*.txt|Alle|*.*" becomes the NUL-separated list the dialog takes.
  std::wstring filter = ui::ToWide(options.filter);
  for (wchar_t& c : filter)
    if (c == L'|') c = L'\0';
  filter.push_back(L'\0');
  filter.push_back(L'\0');
  const std::wstring title = ui::ToWide(options.title);
  const std::wstring defaultExt = ui::ToWide(options.defaultExt);
  const std::wstring initialDir = ui::ToWide(options.initialDir);
  std::vector<wchar_t> file(32768, L'\0');
  const std::wstring start = ui::ToWide(path);
  start.copy(file.data(), file.size() - 1);

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = GetActiveWindow();
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrTitle = title.c_str();
  ofn.lpstrDefExt = defaultExt.empty() ? nullptr : defaultExt.c_str();
  ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
  if (options.overwritePrompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
  if (options.pathMustExist) ofn.Flags |= OFN_PATHMUSTEXIST;
  if (options.fileMustExist) ofn.Flags |= OFN_FILEMUSTEXIST;
  if (options.noChangeDir) ofn.Flags |= OFN_NOCHANGEDIR;
  const BOOL ok = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  if (!ok) return false;
  path = ui::FromWide(file.data());
  return true;
}

}  // namespace

bool Win32Dialogs::OpenFile(const FileDialogOptions& options, std::string& path) {
  return RunFileDialog(options, path, false);
}

bool Win32Dialogs::SaveFile(const FileDialogOptions& options, std::string& path) {
  return RunFileDialog(options, path, true);
}

void Win32Sound::Beep(SoundKind kind) { MessageBeep(kind == SoundKind::Exclamation ? MB_ICONEXCLAMATION : MB_OK); }

int Win32Collation::CompareText(std::string_view a, std::string_view b) {
  const std::wstring x = ui::ToWide(a);
  const std::wstring y = ui::ToWide(b);
  return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, x.c_str(), static_cast<int>(x.size()), y.c_str(),
                        static_cast<int>(y.size())) - CSTR_EQUAL;
}

int Win32Collation::CompareStr(std::string_view a, std::string_view b) {
  return lstrcmpW(ui::ToWide(a).c_str(), ui::ToWide(b).c_str());
}

}  // namespace fenu::win32
