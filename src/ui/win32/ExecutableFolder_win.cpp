#include "ui/win32/ExecutableFolder_win.h"

#include <windows.h>

#include "core/FileIo.h"
#include "ui/win32/Text_win.h"

namespace fenu::ui {

std::string ExecutableFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return ExtractFilePath(FromWide(path));
}

}  // namespace fenu::ui
