#pragma once
// The question of the memo search before a replacement: "Text ersetzen?" with "&Ja", "&Nein" and
// "A&lle Ja", a confirmation box that stands near the hit instead of the middle of the screen.
#include <windows.h>

#include <functional>

#include "archive/TMemoSearch.h"

namespace fenu {

// Asks modally, owned by owner. place gets the box's size and says where it goes; a coordinate
// left empty keeps the box's default. Escape and the close box answer No.
ReplaceAnswer AskReplaceQuestion(HWND owner, const std::function<BoxPlace(int width, int height)>& place);

}  // namespace fenu
