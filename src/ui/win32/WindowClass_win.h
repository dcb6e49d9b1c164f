#pragma once
// Registering the program's own window classes.
#include <windows.h>

namespace fenu::ui {

// Registers a window class. One that is registered already is fine; any other failure throws a
// std::runtime_error naming the class and the system's error code, so that it reaches the
// program's error handler instead of showing up later as a window that cannot be created.
void RegisterWindowClass(const WNDCLASSEXW& windowClass);

}  // namespace fenu::ui
