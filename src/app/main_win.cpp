// quenlia:FENU — start-up: one instance, the tray shell, the application-wide error handler.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/TfrmFenu_win.h"
#include "ui/win32/AppError_win.h"
#include "ui/win32/ExecutableFolder_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  fenu::win32::Win32Services services;
  if (!fenu::AcquireSingleInstance(services.instance, services.dialogs)) return 0;

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  fenu::TfrmFenuView shell(services, fenu::ui::ExecutableFolder());
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
