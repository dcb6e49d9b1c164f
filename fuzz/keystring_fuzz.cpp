// Feeds any text to the key-string interpreter. Whatever the text, the run ends, every key that
// went down goes up again (modifiers included), no key goes up that is not down, only the
// interpreter's own messages appear, the result agrees with how the run ended, and a run with
// waiting sends the same events, each followed by dispatching the keyboard messages. Every box
// is bracketed for the keys' window; when that window is not had back after a box, no key goes
// down any more and no further box appears.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "insert/KeyString.h"
#include "platform/UsKeyboardLayout.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

class CheckingKeyboard : public fenu::IKeyboard, public fenu::IPlainMessage, public fenu::IDialogs {
 public:
  std::array<bool, 256> held{};
  std::uint64_t events = 0;
  std::uint64_t downs = 0;
  std::uint64_t hash = 0;
  std::uint64_t dispatches = 0;
  std::uint64_t toggles = 0;
  int plainMessages = 0;
  int errorBoxes = 0;
  std::string lastMessage;
  bool numLock = false;

  void KeyEvent(std::uint8_t key, bool up, bool extended) override {
    Check(key != fenu::kVkNumLock);
    Check(extended == fenu::IsExtendedKey(key));
    if (up) Check(held[key]);
    held[key] = !up;
    ++events;
    if (!up) ++downs;
    hash = hash * 1099511628211ull + key * 2u + (up ? 1u : 0u);
  }
  void TypeUnicode(std::uint16_t unit) override {
    ++events;
    hash = hash * 1099511628211ull + 0x10000u + unit;
  }
  std::optional<fenu::KeyStroke> CharToKey(char c) override {
    // A US layout, and for half of the upper bytes a key with any shift state.
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 && byte % 2) return fenu::KeyStroke{static_cast<std::uint8_t>(byte - 0x40), static_cast<std::uint8_t>(byte % 8)};
    return fenu::UsKeyboardLayout(c);
  }
  bool NumLock() override { return numLock; }
  void SetNumLock(bool on) override {
    Check(on != numLock);
    numLock = on;
    ++toggles;
  }
  void ProcessKeyboardMessages() override { ++dispatches; }
  void ProcessMessages() override { std::abort(); }
  void PlainMessage(std::string_view caption, std::string_view text) override {
    Check(caption == "SendKeys");
    Check(text == "Invalid KeyName" || text == "Invalid Key Name" || text == "No Close");
    ++plainMessages;
    lastMessage = std::string(text);
  }
  fenu::MsgResult MessageDlg(fenu::MsgKind kind, std::string_view text, fenu::MsgButtons buttons) override {
    Check(kind == fenu::MsgKind::Error && buttons == fenu::MsgButtons::Ok);
    Check(text.find("Wiederholungszahl in \"{") != std::string_view::npos);
    ++errorBoxes;
    lastMessage = "count";
    return fenu::MsgResult::Ok;
  }
  bool InputQuery(std::string_view, std::string_view, std::string&) override { std::abort(); }
  bool OpenFile(const fenu::FileDialogOptions&, std::string&) override { std::abort(); }
  bool SaveFile(const fenu::FileDialogOptions&, std::string&) override { std::abort(); }
};

// The keys' window as the run's boxes concern it; lost after the box numbered lostAt.
class CountingTarget : public fenu::IKeyTarget {
 public:
  CountingTarget(const CheckingKeyboard& keyboard, int lostAt) : keyboard_(keyboard), lostAt_(lostAt) {}
  int boxes = 0;
  std::uint64_t downsWhenLost = 0;

  void BeforeMessage() override {
    Check(!lost_ && !inBox_);
    inBox_ = true;
    ++boxes;
  }
  bool AfterMessage() override {
    Check(inBox_);
    inBox_ = false;
    lost_ = boxes >= lostAt_;
    downsWhenLost = keyboard_.downs;
    return !lost_;
  }
  bool Closed() const { return !inBox_; }

 private:
  const CheckingKeyboard& keyboard_;
  int lostAt_;
  bool inBox_ = false;
  bool lost_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  CheckingKeyboard plain;
  const fenu::KeyStringEnd end = fenu::RunKeyString(text, false, plain, plain, plain);
  for (bool down : plain.held) Check(!down);
  Check(plain.dispatches == 0);
  Check((end == fenu::KeyStringEnd::Empty) == text.empty());
  Check(plain.errorBoxes == (end == fenu::KeyStringEnd::BadRepeatCount ? 1 : 0));
  if (end == fenu::KeyStringEnd::NoClose) Check(plain.lastMessage == "No Close");
  if (end == fenu::KeyStringEnd::Done) Check(plain.lastMessage != "No Close");

  CheckingKeyboard waiting;
  Check(fenu::RunKeyString(text, true, waiting, waiting, waiting) == end);
  Check(waiting.events == plain.events && waiting.hash == plain.hash && waiting.toggles == plain.toggles);
  Check(waiting.dispatches == waiting.events);
  Check(waiting.plainMessages == plain.plainMessages && waiting.errorBoxes == plain.errorBoxes);

  // The window always had back: the same run, every box bracketed.
  CheckingKeyboard followed;
  CountingTarget kept(followed, 1 << 30);
  Check(fenu::RunKeyString(text, false, followed, followed, followed, &kept) == end);
  Check(followed.events == plain.events && followed.hash == plain.hash);
  Check(kept.Closed() && kept.boxes == plain.plainMessages + plain.errorBoxes);

  // The window lost after the first box: the run ends there, releasing what it held.
  CheckingKeyboard astray;
  CountingTarget lost(astray, 1);
  const fenu::KeyStringEnd lostEnd = fenu::RunKeyString(text, false, astray, astray, astray, &lost);
  for (bool down : astray.held) Check(!down);
  if (lost.boxes == 0) {
    Check(lostEnd == end && astray.hash == plain.hash);
  } else {
    Check(lost.Closed() && lost.boxes == 1 && astray.downs == lost.downsWhenLost);
    Check(lostEnd == fenu::KeyStringEnd::KeysAstray || lostEnd == fenu::KeyStringEnd::NoClose ||
          lostEnd == fenu::KeyStringEnd::BadRepeatCount);
  }
  return 0;
}
