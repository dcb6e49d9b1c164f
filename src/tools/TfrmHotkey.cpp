#include "tools/TfrmHotkey.h"

#include "common/Help.h"
#include "common/HotkeySpec.h"
#include "common/Settings.h"
#include "core/Cp1252.h"
#include "core/IniFile.h"

namespace fenu {
namespace {

int IndexOfNoCase(const std::vector<std::string>& items, const std::string& value) {
  for (std::size_t i = 0; i < items.size(); ++i)
    if (EqualsNoCase(items[i], value)) return static_cast<int>(i);
  return -1;
}

constexpr const char* kFunctionKey = "Funktionstaste";

}  // namespace

std::string ComboState::Text() const {
  if (itemIndex < 0 || itemIndex >= static_cast<int>(items.size())) return {};
  return items[static_cast<std::size_t>(itemIndex)];
}

const std::vector<std::string>& TfrmHotkey::FirstPartItems() {
  static const std::vector<std::string> items = {"[Druck]",       "[Pause]",       "[Strg]",
                                                 "[Strg-Alt]",    "[Gross-Alt]",   "[Gross-Strg]",
                                                 "[Gross-Strg-Alt]", kFunctionKey};
  return items;
}

const std::vector<std::string>& TfrmHotkey::FullKeyList() {
  static const std::vector<std::string> items = [] {
    std::vector<std::string> list;
    for (char c = 'A'; c <= 'Z'; ++c) list.emplace_back(1, c);
    for (char c = '1'; c <= '9'; ++c) list.emplace_back(1, c);
    list.emplace_back("0");
    for (int f = 1; f <= 12; ++f) list.push_back("F" + std::to_string(f));
    for (char c = '1'; c <= '9'; ++c) list.push_back(std::string("N") + c);
    list.emplace_back("N0");
    list.emplace_back("");
    return list;
  }();
  return items;
}

const std::vector<std::string>& TfrmHotkey::FunctionKeyList() {
  static const std::vector<std::string> items = [] {
    std::vector<std::string> list;
    for (int f = 1; f <= 12; ++f) list.push_back("F" + std::to_string(f));
    list.emplace_back("");
    return list;
  }();
  return items;
}

TfrmHotkey::TfrmHotkey(Services& services, std::string appDir)
    : services_(services), appDir_(std::move(appDir)), settingsPath_(SettingsPath(appDir_)) {
  for (int slot = 0; slot < 4; ++slot) {
    First(slot).items = FirstPartItems();
    Second(slot).items = FullKeyList();
  }
}

void TfrmHotkey::FormShow() {
  const IniDocument doc = IniFile(settingsPath_).Load();
  for (int slot = 0; slot < 4; ++slot) {
    const HotkeySlot& info = kHotkeySlots[static_cast<std::size_t>(slot)];
    First(slot).itemIndex =
        IndexOfNoCase(First(slot).items, doc.Value(kHotkeySection, info.firstKey).value_or(info.windowFirst));
    Second(slot).itemIndex =
        IndexOfNoCase(Second(slot).items, doc.Value(kHotkeySection, info.secondKey).value_or(info.windowSecond));
    Second(slot).enabled = First(slot).itemIndex > 1;
  }
}

void TfrmHotkey::FirstPartChange(int slot, int index) {
  First(slot).itemIndex = index;
  // "[Druck]" and "[Pause]" are whole hotkeys: no second part.
  if (index == 0 || index == 1) Second(slot).itemIndex = static_cast<int>(Second(slot).items.size()) - 1;
  Second(slot).enabled = index > 1;
}

void TfrmHotkey::SecondPartDropDown(int slot) {
  Second(slot).items = First(slot).Text() == kFunctionKey ? FunctionKeyList() : FullKeyList();
  Second(slot).itemIndex = -1;
}

void TfrmHotkey::SecondPartChange(int slot, int index) { Second(slot).itemIndex = index; }

bool TfrmHotkey::btnOkClick() {
  focusRequest = -1;
  bool failed = false;
  for (int slot = 0; slot < 4; ++slot) {
    if (First(slot).itemIndex > 1 && Second(slot).Text().empty()) {
      services_.dialogs.MessageDlg(MsgKind::Error, "Geben Sie noch den 2. Teil des HotKeys an!");
      focusRequest = 2 * slot + 1;
      failed = true;
    }
  }
  std::array<std::string, 4> combinations;
  for (int slot = 0; slot < 4; ++slot) combinations[static_cast<std::size_t>(slot)] = First(slot).Text() + Second(slot).Text();
  bool duplicate = false;
  for (std::size_t a = 0; a < 4; ++a)
    for (std::size_t b = a + 1; b < 4; ++b) duplicate = duplicate || combinations[a] == combinations[b];
  if (duplicate) {
    services_.dialogs.MessageDlg(MsgKind::Error, "Ein HotKey ist doppelt vergeben!");
    failed = true;
  }
  if (failed) return false;

  IniFile settings(settingsPath_);
  IniDocument doc = settings.Load();
  for (int slot = 0; slot < 4; ++slot) {
    const HotkeySlot& info = kHotkeySlots[static_cast<std::size_t>(slot)];
    doc.SetValue(kHotkeySection, info.firstKey, First(slot).Text());
    doc.SetValue(kHotkeySection, info.secondKey, Second(slot).Text());
  }
  settings.Save(doc);
  return true;
}

}  // namespace fenu

namespace fenu {

void TfrmHotkey::btnHilfeClick() { ShowHelpContext(services_.help, appDir_, kHelpContext); }

}  // namespace fenu
