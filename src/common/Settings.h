#pragma once
// The settings file fenu.ini in AppDir, the two generic access operations with their path rule,
// and the window-placement keys that windows keep their position under.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/IniFile.h"

namespace fenu {

inline constexpr const char* kSettingsFileName = "fenu.ini";
inline constexpr const char* kAppTitle = "quenlia:FENU";

std::string SettingsPath(std::string_view appDir);

// A file name without a folder part lies in AppDir; any other path is used unchanged.
std::string ResolveSettingFile(std::string_view appDir, std::string_view file);

std::string ReadSetting(std::string_view appDir, std::string_view file, std::string_view section,
                        std::string_view key, std::string_view def);

// Booleans are written "-1"/"0", integers in decimal, texts as they are.
using SettingValue = std::variant<bool, std::int32_t, std::string>;
void WriteSetting(std::string_view appDir, std::string_view file, std::string_view section,
                  std::string_view key, const SettingValue& value);

// Position of a window as the platform describes it.
struct WindowPlacement {
  std::int32_t flags = 0;
  std::int32_t showCmd = 1;  // normal, minimised (2) or maximised (3)
  std::int32_t minX = -1, minY = -1, maxX = -1, maxY = -1;
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool visible = false;
};

// Writes the placement into [section]; "MinMaxPos" and "NormPos" go in twice, plain and with
// the screen size "(WxH)" after the key.
void WritePlacement(IniFile& ini, std::string_view section, const WindowPlacement& placement,
                    std::int32_t pixelsPerInch, std::int32_t screenWidth, std::int32_t screenHeight);

// Reads what WritePlacement wrote, preferring the keys of the current screen size; nothing when
// no usable normal position is stored.
std::optional<WindowPlacement> ReadPlacement(const IniFile& ini, std::string_view section,
                                             std::int32_t screenWidth, std::int32_t screenHeight);

}  // namespace fenu
