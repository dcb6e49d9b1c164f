#pragma once
// A window's position kept in the settings file under its class name, per screen size.
#include <windows.h>

#include <string>

namespace fenu::ui {

// Restores what SaveWindowPlacement stored, if anything usable is there.
void RestoreWindowPlacement(HWND window, const std::string& settingsPath, const char* section);
// Stores the window's placement; a settings file that cannot be written is given up quietly.
void SaveWindowPlacement(HWND window, const std::string& settingsPath, const char* section, int pixelsPerInch);

}  // namespace fenu::ui
