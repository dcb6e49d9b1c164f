#pragma once
// What every message loop of the program does with a message it takes from the queue. A modal
// loop gives its own window the dialog manager; the modeless windows (a form shown with
// Form::ShowModeless, the system's find and replace dialogs) are open beside whichever loop runs,
// so they sit in a list that every loop consults: Tab, Enter, Escape, mnemonics and the default
// button then work in them too.
#include <windows.h>

namespace fenu::ui {

// A modeless window opened (added) and closed or destroyed (removed). Adding twice is harmless.
void AddModelessWindow(HWND window);
void RemoveModelessWindow(HWND window);

// Hands a message that is for an open modeless window, or one of its controls, to that window's
// dialog manager (after the keys a form handles itself, see Form::PreTranslate); true when it
// was taken there and is not to be dispatched.
bool ModelessDialogMessage(MSG& msg);

// A message the loop does not handle itself: ModelessDialogMessage, otherwise translated and
// dispatched.
void DispatchLoopMessage(MSG& msg);

}  // namespace fenu::ui
