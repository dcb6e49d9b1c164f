#include "insert/KeyString.h"

#include <array>
#include <string>

#include "core/Cp1252.h"
#include "core/Numbers.h"

namespace fenu {
namespace {

struct KeyName {
  const char* name;
  std::uint8_t key;
};

constexpr std::array<KeyName, 41> kKeyNames = {{
    {"BKSP", 8},      {"BS", 8},          {"BACKSPACE", 8}, {"BREAK", 3},       {"CAPSLOCK", 20},
    {"CLEAR", 12},    {"DEL", 46},        {"DELETE", 46},   {"DOWN", 40},       {"END", 35},
    {"ENTER", 13},    {"ESC", 27},        {"ESCAPE", 27},   {"F1", 112},        {"F2", 113},
    {"F3", 114},      {"F4", 115},        {"F5", 116},      {"F6", 117},        {"F7", 118},
    {"F8", 119},      {"F9", 120},        {"F10", 121},     {"F11", 122},       {"F12", 123},
    {"F13", 124},     {"F14", 125},       {"F15", 126},     {"F16", 127},       {"HELP", 47},
    {"HOME", 36},     {"INS", 45},        {"LEFT", 37},     {"NUMLOCK", 144},   {"PGDN", 34},
    {"PGUP", 33},     {"PRTSC", 42},      {"RIGHT", 39},    {"SCROLLLOCK", 145}, {"TAB", 9},
    {"UP", 38},
}};

// Only this many characters of a brace group's name count.
constexpr std::size_t kMaxGroupName = 20;

// The keys that carry "{" and "}" on a US layout.
constexpr KeyStroke kOpenBrace{219, kShiftStateShift};
constexpr KeyStroke kCloseBrace{221, kShiftStateShift};

// The UTF-16 unit that types c where the layout has no key for it: every printable character
// (all of cp1252's lie in the Basic Multilingual Plane). Control characters and the five bytes
// that cp1252 leaves undefined, which stand for C1 controls, have none: nothing can type them.
std::optional<std::uint16_t> PrintableUnit(char c) {
  const char32_t point = Cp1252ToCodePoint(static_cast<unsigned char>(c));
  if (point < 0x20 || (point >= 0x7F && point < 0xA0)) return std::nullopt;
  return static_cast<std::uint16_t>(point);
}

// One run of the interpreter over one text.
class KeyStringRun {
 public:
  KeyStringRun(std::string_view text, bool wait, IKeyboard& keyboard, IPlainMessage& messages, IDialogs& dialogs,
               IKeyTarget* target)
      : text_(text), wait_(wait), keyboard_(keyboard), messages_(messages), dialogs_(dialogs), target_(target) {}

  KeyStringEnd Execute() {
    if (text_.empty()) return KeyStringEnd::Empty;
    const KeyStringEnd end = Interpret();
    // Whatever the text left held goes up now, even inside an open group.
    group_ = false;
    ReleaseCommandModifiers();
    return end;
  }

 private:
  KeyStringEnd Interpret() {
    std::size_t pos = 0;
    while (pos < text_.size()) {
      const char c = text_[pos];
      switch (c) {
        case '+': Hold(kVkShift, shift_); break;
        case '^': Hold(kVkControl, ctrl_); break;
        case '%': Hold(kVkMenu, alt_); break;
        case '(': group_ = true; break;
        case ')':
          group_ = false;
          ReleaseCommandModifiers();
          break;
        case '~':
          Tap(kVkReturn, 1);
          ReleaseCommandModifiers();
          break;
        case '{':
          if (const std::optional<std::size_t> next = BraceGroup(pos)) {
            pos = *next;
            continue;
          }
          return stop_;
        default:
          if (TypeCharacter(c, 1)) {
            ReleaseCommandModifiers();
          } else {
            if (!Say("Invalid KeyName")) return KeyStringEnd::KeysAstray;
          }
          break;
      }
      ++pos;
    }
    return KeyStringEnd::Done;
  }

  // A brace group starting at open. Returns where the run goes on, or nothing when it stops
  // (with stop_ telling why).
  std::optional<std::size_t> BraceGroup(std::size_t open) {
    if (open + 1 < text_.size() && text_[open + 1] == '{') {
      // "{{}": the third character is skipped unread.
      Type(kOpenBrace, 1);
      ReleaseCommandModifiers();
      return open + 3;
    }
    const std::size_t close = text_.find('}', open + 1);
    if (close == std::string_view::npos) {
      Say("No Close");  // the run ends; the held modifiers go up in the target all the same
      stop_ = KeyStringEnd::NoClose;
      return std::nullopt;
    }
    if (close + 1 < text_.size() && text_[close + 1] == '}') {
      // "{}}", and any name before the doubled brace is dropped.
      Type(kCloseBrace, 1);
      ReleaseCommandModifiers();
      return close + 2;
    }
    std::string name;
    for (std::size_t i = open + 1; i < close && name.size() < kMaxGroupName; ++i) name += UpperCp1252(text_[i]);
    unsigned count = 1;
    if (const std::size_t blank = name.find(' '); blank != std::string::npos) {
      const std::optional<std::int32_t> value = ParseInt(std::string_view(name).substr(blank + 1));
      if (!value || *value < 0) {
        if (target_) target_->BeforeMessage();
        dialogs_.MessageDlg(MsgKind::Error, "Ungültige Wiederholungszahl in \"" +
                                                std::string(text_.substr(open, close - open + 1)) + "\"");
        if (target_) target_->AfterMessage();
        stop_ = KeyStringEnd::BadRepeatCount;
        return std::nullopt;
      }
      count = static_cast<unsigned>(*value) % 65536u;
      name.resize(blank);
    }

    std::optional<KeyStroke> stroke;
    if (name.size() == 1) {
      // One character, typed count times (nothing at all where nothing can type it).
      if (TypeCharacter(name[0], count)) ReleaseCommandModifiers();
    } else if (const std::optional<std::uint8_t> key = KeyNameToKey(name)) {
      stroke = KeyStroke{*key, 0};
    } else {
      if (!Say("Invalid Key Name")) {
        stop_ = KeyStringEnd::KeysAstray;
        return std::nullopt;
      }
    }
    if (stroke) {
      Type(*stroke, count);
      ReleaseCommandModifiers();
    }
    return close + 1;
  }

  // One of the interpreter's own boxes. False when the keys' window could not be had back.
  bool Say(const char* text) {
    if (target_) target_->BeforeMessage();
    messages_.PlainMessage(kSendKeysCaption, text);
    return !target_ || target_->AfterMessage();
  }

  void Event(std::uint8_t key, bool up) {
    keyboard_.KeyEvent(key, up, IsExtendedKey(key));
    if (wait_) keyboard_.ProcessKeyboardMessages();
  }

  // Types a character count times: by its key on the layout, or else as Unicode. False when
  // neither can type it.
  bool TypeCharacter(char c, unsigned count) {
    if (const std::optional<KeyStroke> stroke = keyboard_.CharToKey(c)) {
      Type(*stroke, count);
      return true;
    }
    const std::optional<std::uint16_t> unit = PrintableUnit(c);
    if (!unit) return false;
    for (unsigned i = 0; i < count; ++i) {
      keyboard_.TypeUnicode(*unit);
      if (wait_) keyboard_.ProcessKeyboardMessages();
    }
    return true;
  }

  void Tap(std::uint8_t key, unsigned count) {
    for (unsigned i = 0; i < count; ++i) {
      if (key == kVkNumLock) {
        // No key events for Num Lock: the own thread's keyboard state is toggled.
        keyboard_.SetNumLock(!keyboard_.NumLock());
      } else {
        Event(key, false);
        Event(key, true);
      }
    }
  }

  // A command modifier: down until the next key (or the end of the group) has been typed.
  void Hold(std::uint8_t key, bool& flag) {
    Event(key, false);
    flag = true;
  }

  // Types a key count times with the modifiers of its shift state around it. A modifier that a
  // command already holds is left alone: releasing it here would drop it for the rest of a group.
  void Type(KeyStroke stroke, unsigned count) {
    if (count == 0) return;
    const bool shift = (stroke.shift & kShiftStateShift) && !shift_;
    const bool ctrl = (stroke.shift & kShiftStateCtrl) && !ctrl_;
    const bool alt = (stroke.shift & kShiftStateAlt) && !alt_;
    if (shift) Event(kVkShift, false);
    if (ctrl) Event(kVkControl, false);
    if (alt) Event(kVkMenu, false);
    Tap(stroke.key, count);
    if (shift) Event(kVkShift, true);
    if (ctrl) Event(kVkControl, true);
    if (alt) Event(kVkMenu, true);
  }

  void ReleaseCommandModifiers() {
    if (group_) return;
    if (shift_) Event(kVkShift, true);
    if (ctrl_) Event(kVkControl, true);
    if (alt_) Event(kVkMenu, true);
    shift_ = ctrl_ = alt_ = false;
  }

  std::string_view text_;
  bool wait_;
  IKeyboard& keyboard_;
  IPlainMessage& messages_;
  IDialogs& dialogs_;
  IKeyTarget* target_;
  bool shift_ = false;
  bool ctrl_ = false;
  bool alt_ = false;
  bool group_ = false;
  KeyStringEnd stop_ = KeyStringEnd::Done;
};

}  // namespace

KeyStringEnd RunKeyString(std::string_view text, bool wait, IKeyboard& keyboard, IPlainMessage& messages,
                          IDialogs& dialogs, IKeyTarget* target) {
  return KeyStringRun(text, wait, keyboard, messages, dialogs, target).Execute();
}

bool SendKeyString(std::string_view text, bool wait, IKeyboard& keyboard, IPlainMessage& messages,
                   IDialogs& dialogs, IKeyTarget* target) {
  return RunKeyString(text, wait, keyboard, messages, dialogs, target) == KeyStringEnd::Done;
}

std::optional<std::uint8_t> KeyNameToKey(std::string_view name) {
  for (const KeyName& entry : kKeyNames)
    if (name == entry.name) return entry.key;
  return std::nullopt;
}

bool IsExtendedKey(std::uint8_t key) { return (key >= 33 && key <= 40) || key == 45 || key == 46; }

}  // namespace fenu
