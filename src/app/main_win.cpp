// quenlia:FENU — start-up: one instance, the tray shell, the application-wide error handler.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/TfrmFenu_win.h"
#include "core/FileIo.h"
#include "ui/win32/AppError_win.h"
#include "ui/win32/Text_win.h"

namespace {

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
  return fenu::ExtractFilePath(fenu::ui::FromWide(path));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  fenu::win32::Win32Services services;
  if (!fenu::AcquireSingleInstance(services.instance, services.dialogs)) return 0;

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  fenu::TfrmFenuView shell(services, ExecutableFolder());
  fenu::ui::SetFatalErrorHandler([&] {
    fenu::ShowFatalError(services.dialogs);
    shell.Shutdown();
  });
  try {
    shell.Create();
    shell.Start();
  } catch (...) {
    fenu::ui::HandleUnhandledError();
  }
  return shell.Run();
}
