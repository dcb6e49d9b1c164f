#include "platform/win32/Win32Services_win.h"
#include "ui/win32/Text_win.h"

namespace fenu::win32 {

std::uint16_t Win32Hotkeys::AddAtom(std::string_view name) { return GlobalAddAtomW(ui::ToWide(name).c_str()); }

void Win32Hotkeys::DeleteAtom(std::uint16_t atom) {
  if (atom != 0) GlobalDeleteAtom(atom);
}

bool Win32Hotkeys::RegisterHotkey(std::uint32_t id, unsigned modifiers, unsigned key) {
  return RegisterHotKey(window_, static_cast<int>(id), modifiers, key) != FALSE;
}

void Win32Hotkeys::UnregisterHotkey(std::uint32_t id) { UnregisterHotKey(window_, static_cast<int>(id)); }

Win32Instance::~Win32Instance() {
  if (mutex_) CloseHandle(mutex_);
}

bool Win32Instance::CreateOwnedMutexExisted(std::string_view name) {
  mutex_ = CreateMutexW(nullptr, TRUE, ui::ToWide(name).c_str());
  return GetLastError() == ERROR_ALREADY_EXISTS;
}

}  // namespace fenu::win32
