#pragma once
// The application-wide error handler: no exception may cross a window procedure, hook or timer.
// Every thunk catches and hands over here; the handler shows the fatal box and ends the process.
#include <functional>

namespace fenu::ui {

void SetFatalErrorHandler(std::function<void()> handler);
[[noreturn]] void HandleUnhandledError();

}  // namespace fenu::ui

// Wraps a window procedure's body.
#define FENU_GUARDED(body)                   \
  try {                                      \
    body                                     \
  } catch (...) {                            \
    ::fenu::ui::HandleUnhandledError();      \
  }
