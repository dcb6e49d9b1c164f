#pragma once
// The keyword search window on screen: modeless, always on top, owned by the archive window;
// several may be open at once. Each frees itself when it closes, or with its owner.
#include <windows.h>

#include <string>

#include "archive/IArchiveTreeAccess.h"
#include "platform/Services.h"

namespace fenu {

// Opens a new keyword search window owned by owner with its top-left corner at topLeft (screen
// coordinates) and returns at once. The window lives until it is closed or owner is destroyed.
void ShowKeywordWindow(HWND owner, POINT topLeft, IArchiveTreeAccess& archive, Services& services,
                       const std::string& appDir);

}  // namespace fenu
