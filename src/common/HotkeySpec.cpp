#include "common/HotkeySpec.h"

#include <string>

#include "core/Cp1252.h"
#include "core/Errors.h"
#include "core/Numbers.h"

namespace fenu {
namespace {

unsigned NumberAfterFirst(std::string_view second, std::string_view digits) {
  try {
    return static_cast<unsigned>(StrToInt(digits));
  } catch (const ConversionError& e) {
    throw ConversionError("Ungültiger HotKey \"" + std::string(second) + "\": " + e.what());
  }
}

}  // namespace

HotkeyCode ConvertHotkey(std::string_view first, std::string_view second) {
  HotkeyCode code;
  // Second part, each rule replacing what an earlier one found.
  if (second.size() == 1) code.key = static_cast<unsigned char>(second[0]);
  if (second.find('F') != std::string_view::npos && second.size() > 1)
    code.key = 111 + NumberAfterFirst(second, second.substr(1));
  if (second.find('N') != std::string_view::npos && second.size() == 2)
    code.key = 96 + NumberAfterFirst(second, second.substr(1, 1));

  if (ContainsNoCase(first, "Strg")) code.modifiers |= kModCtrl;
  if (ContainsNoCase(first, "Gross")) code.modifiers |= kModShift;
  if (ContainsNoCase(first, "Alt")) code.modifiers |= kModAlt;
  // Special keys of the first part replace the second part, a later one an earlier one.
  if (ContainsNoCase(first, "Druck")) code.key = 44;
  if (ContainsNoCase(first, "Pause")) code.key = 19;
  if (ContainsNoCase(first, "Rollen")) code.key = 145;
  return code;
}

std::string HotkeyLabel(std::string_view first, std::string_view second) {
  std::string label = "HotKey: " + std::string(first);
  if (!second.empty()) label += " + " + std::string(second);
  return label;
}

std::string ShellHotkeyFirst(const IniDocument& settings, const HotkeySlot& slot) {
  return settings.Value(kHotkeySection, slot.firstKey).value_or(slot.shellFirst);
}

std::string ShellHotkeySecond(const IniDocument& settings, const HotkeySlot& slot) {
  return settings.Value(kHotkeySection, slot.secondKey).value_or(slot.shellSecond);
}

std::string ShellHotkeyLabel(const IniDocument& settings, const HotkeySlot& slot) {
  return HotkeyLabel(ShellHotkeyFirst(settings, slot), ShellHotkeySecond(settings, slot));
}

}  // namespace fenu
