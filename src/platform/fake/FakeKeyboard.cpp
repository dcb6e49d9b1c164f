#include "platform/fake/FakeKeyboard.h"

#include "platform/UsKeyboardLayout.h"

namespace fenu {

std::vector<std::string> FakeKeyboard::KeyEvents() const {
  std::vector<std::string> lines;
  for (const std::string& line : log)
    if (line.rfind("down ", 0) == 0 || line.rfind("up ", 0) == 0 || line.rfind("unicode ", 0) == 0 ||
        line.rfind("toggle ", 0) == 0)
      lines.push_back(line);
  return lines;
}

void FakeKeyboard::KeyEvent(std::uint8_t key, bool up, bool extended) { log.push_back(KeyEventText(key, up, extended)); }

std::optional<KeyStroke> FakeKeyboard::CharToKey(char c) {
  if (const auto it = layout.find(c); it != layout.end()) return it->second;
  return UsKeyboardLayout(c);
}

void FakeKeyboard::TypeUnicode(std::uint16_t unit) { log.push_back(UnicodeText(unit)); }

bool FakeKeyboard::NumLock() { return numLock; }

void FakeKeyboard::SetNumLock(bool on) {
  if (on != numLock) log.push_back("toggle " + std::to_string(kVkNumLock));
  numLock = on;
}

void FakeKeyboard::ProcessKeyboardMessages() { log.push_back("ProcessKeyboardMessages"); }

void FakeKeyboard::ProcessMessages() { log.push_back("ProcessMessages"); }

bool FakeKeyboard::SetText(std::string_view text, ClipboardHistory history) {
  const bool excluded = history == ClipboardHistory::Excluded;
  log.push_back("SetClipboard \"" + std::string(text) + "\"" + (excluded ? " out of history" : "") +
                (clipboardLocked ? " refused" : ""));
  if (clipboardLocked) return false;
  clipboard = std::string(text);
  clipboardHistory = history;
  return true;
}

std::string FakeKeyboard::GetText() {
  log.push_back("GetClipboard");
  return clipboardLocked ? std::string() : clipboard;
}

bool FakeKeyboard::SetForeground(WindowHandle window) {
  const bool refused = foregroundRefused.count(window) > 0;
  log.push_back("SetForeground " + std::to_string(window) + (refused ? " refused" : ""));
  return !refused;
}

void FakeKeyboard::LetInputArrive() { log.push_back("LetInputArrive"); }

void FakeKeyboard::PlainMessage(std::string_view caption, std::string_view text) {
  log.push_back("MessageBox " + std::string(caption) + " \"" + std::string(text) + "\" -> OK");
}

}  // namespace fenu
