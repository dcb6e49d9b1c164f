#include "ui/win32/AppError_win.h"

#include <windows.h>

namespace fenu::ui {
namespace {
std::function<void()>& Handler() {
  static std::function<void()> handler;
  return handler;
}
}  // namespace

void SetFatalErrorHandler(std::function<void()> handler) { Handler() = std::move(handler); }

void HandleUnhandledError() {
  static bool inProgress = false;
  if (!inProgress && Handler()) {
    inProgress = true;
    try {
      Handler()();
    } catch (...) {
    }
  }
  ExitProcess(1);
}

}  // namespace fenu::ui
