#include "model/FontString.h"

#include <array>
#include <cstdio>
#include <vector>

#include "core/Cp1252.h"
#include "core/Numbers.h"

namespace fenu {
namespace {

struct NamedColor {
  const char* name;
  FontColor value;
};

constexpr FontColor Rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }
constexpr FontColor System(unsigned index) { return kSystemColorFlag | index; }

constexpr std::array<NamedColor, 42> kColors{{
    {"clBlack", Rgb(0, 0, 0)},
    {"clMaroon", Rgb(128, 0, 0)},
    {"clGreen", Rgb(0, 128, 0)},
    {"clOlive", Rgb(128, 128, 0)},
    {"clNavy", Rgb(0, 0, 128)},
    {"clPurple", Rgb(128, 0, 128)},
    {"clTeal", Rgb(0, 128, 128)},
    {"clGray", Rgb(128, 128, 128)},
    {"clSilver", Rgb(192, 192, 192)},
    {"clRed", Rgb(255, 0, 0)},
    {"clLime", Rgb(0, 255, 0)},
    {"clYellow", Rgb(255, 255, 0)},
    {"clBlue", Rgb(0, 0, 255)},
    {"clFuchsia", Rgb(255, 0, 255)},
    {"clAqua", Rgb(0, 255, 255)},
    {"clWhite", Rgb(255, 255, 255)},
    {"clScrollBar", System(0)},
    {"clBackground", System(1)},
    {"clActiveCaption", System(2)},
    {"clInactiveCaption", System(3)},
    {"clMenu", System(4)},
    {"clWindow", System(5)},
    {"clWindowFrame", System(6)},
    {"clMenuText", System(7)},
    {"clWindowText", System(8)},
    {"clCaptionText", System(9)},
    {"clActiveBorder", System(10)},
    {"clInactiveBorder", System(11)},
    {"clAppWorkSpace", System(12)},
    {"clHighlight", System(13)},
    {"clHighlightText", System(14)},
    {"clBtnFace", System(15)},
    {"clBtnShadow", System(16)},
    {"clGrayText", System(17)},
    {"clBtnText", System(18)},
    {"clInactiveCaptionText", System(19)},
    {"clBtnHighlight", System(20)},
    {"cl3DDkShadow", System(21)},
    {"cl3DLight", System(22)},
    {"clInfoText", System(23)},
    {"clInfoBk", System(24)},
    {"clNone", kClNone},
}};

// Sizes beyond this are no font a window can show; such a part is taken as damaged.
constexpr int kMaxFontSize = 1638;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> SplitParts(std::string_view text) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == ',' || text[i] == ';') {
      parts.push_back(Trim(text.substr(start, i - start)));
      start = i + 1;
    }
  }
  return parts;
}

bool HasLetter(std::string_view part, char upper) {
  for (char c : part)
    if (UpperCp1252(c) == upper) return true;
  return false;
}

std::optional<int> NumberIn(std::string_view part, int low, int high) {
  const auto value = ParseInt(part);
  if (!value || *value < low || *value > high) return std::nullopt;
  return *value;
}

}  // namespace

std::string ColorToString(FontColor color) {
  for (const NamedColor& named : kColors)
    if (named.value == color) return named.name;
  char text[16];
  std::snprintf(text, sizeof text, "$%08X", static_cast<unsigned>(color));
  return text;
}

std::optional<FontColor> StringToColor(std::string_view text) {
  for (const NamedColor& named : kColors)
    if (EqualsNoCase(text, named.name)) return named.value;
  if (const auto number = ParseInt(text)) return static_cast<FontColor>(*number);
  return std::nullopt;
}

std::string FontString(const FontSpec& font) {
  std::string style;
  if (font.bold) style += 'B';
  if (font.italic) style += 'I';
  if (font.underline) style += 'U';
  if (font.strikeOut) style += 'S';
  return font.name + "," + std::to_string(font.size) + "," + style + "," + std::to_string(font.pitch) + "," +
         ColorToString(font.color) + "," + std::to_string(font.charset);
}

void ApplyFontString(std::string_view text, FontSpec& font) {
  const std::vector<std::string_view> parts = SplitParts(text);
  const auto part = [&](std::size_t index) -> std::optional<std::string_view> {
    if (index >= parts.size()) return std::nullopt;
    return parts[index];
  };
  // The whole text is read before anything changes, so the font changes once.
  FontSpec result = font;
  if (const auto name = part(0); name && !name->empty()) result.name = std::string(name->substr(0, kMaxFaceName));
  if (const auto size = part(1))
    if (const auto value = NumberIn(*size, -kMaxFontSize, kMaxFontSize)) result.size = *value;
  if (const auto style = part(2)) {
    result.bold = HasLetter(*style, 'B');
    result.italic = HasLetter(*style, 'I');
    result.underline = HasLetter(*style, 'U');
    result.strikeOut = HasLetter(*style, 'S');
  }
  if (const auto pitch = part(3))
    if (const auto value = NumberIn(*pitch, kPitchDefault, kPitchFixed)) result.pitch = *value;
  if (const auto color = part(4))
    if (const auto value = StringToColor(*color)) result.color = *value;
  if (const auto charset = part(5))
    if (const auto value = NumberIn(*charset, 0, 255)) result.charset = *value;
  font = std::move(result);
}

}  // namespace fenu
