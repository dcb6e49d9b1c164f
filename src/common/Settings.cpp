#include "common/Settings.h"

#include <array>
#include <cstdio>

#include "core/FileIo.h"
#include "core/Numbers.h"

namespace fenu {
namespace {

std::string ScreenKey(std::string_view key, std::int32_t width, std::int32_t height) {
  char size[32];
  std::snprintf(size, sizeof size, "(%dx%d)", static_cast<int>(width), static_cast<int>(height));
  return std::string(key) + size;
}

std::string FourInts(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d) {
  char text[64];
  std::snprintf(text, sizeof text, "%d,%d,%d,%d", static_cast<int>(a), static_cast<int>(b),
                static_cast<int>(c), static_cast<int>(d));
  return text;
}

std::optional<std::array<std::int32_t, 4>> ParseFourInts(std::string_view text) {
  std::array<std::int32_t, 4> values{};
  for (std::size_t i = 0; i < 4; ++i) {
    const std::size_t comma = i < 3 ? text.find(',') : text.size();
    if (comma == std::string_view::npos) return std::nullopt;
    const auto value = ParseInt(text.substr(0, comma));
    if (!value) return std::nullopt;
    values[i] = *value;
    text = i < 3 ? text.substr(comma + 1) : std::string_view{};
  }
  return values;
}

std::optional<std::array<std::int32_t, 4>> ReadPosition(const IniDocument& doc, std::string_view section,
                                                        std::string_view key, std::int32_t width,
                                                        std::int32_t height) {
  auto value = doc.Value(section, ScreenKey(key, width, height));
  if (!value) value = doc.Value(section, key);
  if (!value) return std::nullopt;
  return ParseFourInts(*value);
}

}  // namespace

std::string SettingsPath(std::string_view appDir) { return std::string(appDir) + kSettingsFileName; }

std::string ResolveSettingFile(std::string_view appDir, std::string_view file) {
  if (ExtractFilePath(file).empty()) return std::string(appDir) + std::string(file);
  return std::string(file);
}

std::string ReadSetting(std::string_view appDir, std::string_view file, std::string_view section,
                        std::string_view key, std::string_view def) {
  return IniFile(ResolveSettingFile(appDir, file)).ReadString(section, key, def);
}

void WriteSetting(std::string_view appDir, std::string_view file, std::string_view section,
                  std::string_view key, const SettingValue& value) {
  std::string text;
  if (const bool* flag = std::get_if<bool>(&value)) text = *flag ? "-1" : "0";
  else if (const std::int32_t* number = std::get_if<std::int32_t>(&value)) text = std::to_string(*number);
  else text = std::get<std::string>(value);
  IniFile(ResolveSettingFile(appDir, file)).WriteString(section, key, text);
}

void WritePlacement(IniFile& ini, std::string_view section, const WindowPlacement& p,
                    std::int32_t pixelsPerInch, std::int32_t screenWidth, std::int32_t screenHeight) {
  IniDocument doc = ini.Load();
  const std::string minMax = FourInts(p.minX, p.minY, p.maxX, p.maxY);
  const std::string norm = FourInts(p.left, p.top, p.right, p.bottom);
  doc.SetValue(section, "FormVersion", "0");
  doc.SetValue(section, "Flags", std::to_string(p.flags));
  doc.SetValue(section, "ShowCmd", std::to_string(p.showCmd));
  doc.SetValue(section, "PixelsPerInch", std::to_string(pixelsPerInch));
  doc.SetValue(section, "MinMaxPos", minMax);
  doc.SetValue(section, ScreenKey("MinMaxPos", screenWidth, screenHeight), minMax);
  doc.SetValue(section, "NormPos", norm);
  doc.SetValue(section, ScreenKey("NormPos", screenWidth, screenHeight), norm);
  doc.SetValue(section, "Visible", p.visible ? "1" : "0");
  ini.Save(doc);
}

std::optional<WindowPlacement> ReadPlacement(const IniFile& ini, std::string_view section,
                                             std::int32_t screenWidth, std::int32_t screenHeight) {
  const IniDocument doc = ini.Load();
  const auto norm = ReadPosition(doc, section, "NormPos", screenWidth, screenHeight);
  if (!norm || (*norm)[2] <= (*norm)[0] || (*norm)[3] <= (*norm)[1]) return std::nullopt;
  WindowPlacement p;
  p.left = (*norm)[0];
  p.top = (*norm)[1];
  p.right = (*norm)[2];
  p.bottom = (*norm)[3];
  if (const auto minMax = ReadPosition(doc, section, "MinMaxPos", screenWidth, screenHeight)) {
    p.minX = (*minMax)[0];
    p.minY = (*minMax)[1];
    p.maxX = (*minMax)[2];
    p.maxY = (*minMax)[3];
  }
  p.flags = doc.Integer(section, "Flags", 0);
  p.showCmd = doc.Integer(section, "ShowCmd", 1);
  p.visible = doc.Integer(section, "Visible", 0) != 0;
  return p;
}

}  // namespace fenu
