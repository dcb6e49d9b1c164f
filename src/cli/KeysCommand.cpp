// fenu-cli keys TEXT: what typing TEXT as a key string does on a US keyboard layout, one line
// per step: "down N" / "up N" (with " ext" for the extended-key flag), "unicode N" for a character
// the layout has no key for (N its UTF-16 code unit), "toggle 144" for Num Lock,
// "message TEXT" for a message box, and last "result true" or "result false".
#include <cstdio>
#include <optional>
#include <string>

#include "cli/Cli.h"
#include "insert/KeyString.h"
#include "platform/UsKeyboardLayout.h"

namespace fenu::cli {
namespace {

// Prints every step as it happens; answers dialogs as a person pressing the first button would.
class PrintingKeyboard : public IKeyboard, public IPlainMessage, public IDialogs {
 public:
  void KeyEvent(std::uint8_t key, bool up, bool extended) override { Line(KeyEventText(key, up, extended)); }
  std::optional<KeyStroke> CharToKey(char c) override { return UsKeyboardLayout(c); }
  void TypeUnicode(std::uint16_t unit) override { Line(UnicodeText(unit)); }
  bool NumLock() override { return numLock_; }
  void SetNumLock(bool on) override {
    if (on != numLock_) Line("toggle " + std::to_string(kVkNumLock));
    numLock_ = on;
  }
  void ProcessKeyboardMessages() override {}
  void ProcessMessages() override {}
  void PlainMessage(std::string_view, std::string_view text) override { Line("message " + std::string(text)); }
  MsgResult MessageDlg(MsgKind, std::string_view text, MsgButtons buttons) override {
    Line("message " + std::string(text));
    return buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel ? MsgResult::Ok : MsgResult::Yes;
  }
  bool InputQuery(std::string_view, std::string_view, std::string&) override { return false; }
  bool OpenFile(const FileDialogOptions&, std::string&) override { return false; }
  bool SaveFile(const FileDialogOptions&, std::string&) override { return false; }

 private:
  static void Line(const std::string& text) { PrintUtf8(stdout, text + "\n"); }
  bool numLock_ = false;
};

}  // namespace

int KeysCommand(const std::vector<std::string>& args) {
  if (args.size() != 1) return Usage();
  PrintingKeyboard keyboard;
  const KeyStringEnd end = RunKeyString(args[0], true, keyboard, keyboard, keyboard);
  PrintUtf8(stdout, end == KeyStringEnd::Done ? "result true\n" : "result false\n");
  return end == KeyStringEnd::BadRepeatCount ? kInputError : kOk;
}

}  // namespace fenu::cli
