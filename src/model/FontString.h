#pragma once
// The text form in which a font is kept in the settings file ("BFont", "AFont"):
// name, size in points, style letters, pitch, colour and character set, joined by commas,
// for example "Segoe UI,8,,0,clWindowText,1".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fenu {

// A colour as the system keeps it: 0x00BBGGRR for a plain colour, 0x80000000 + index for one of
// the system colours, kClNone for "no colour".
using FontColor = std::uint32_t;
inline constexpr FontColor kSystemColorFlag = 0x80000000u;
inline constexpr FontColor kClNone = 0x1FFFFFFFu;
inline constexpr FontColor kClWindowText = kSystemColorFlag | 8u;

inline constexpr int kPitchDefault = 0;
inline constexpr int kPitchVariable = 1;
inline constexpr int kPitchFixed = 2;
inline constexpr int kDefaultCharset = 1;
// A face name holds at most this many characters (the system's limit of 32 with its terminator).
inline constexpr std::size_t kMaxFaceName = 31;

// A font as the windows describe it, free of any system handle.
struct FontSpec {
  std::string name = "Segoe UI";
  int size = 8;  // whole points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int pitch = kPitchDefault;  // kPitchDefault, kPitchVariable or kPitchFixed
  FontColor color = kClWindowText;
  int charset = kDefaultCharset;  // 0 to 255

  bool operator==(const FontSpec&) const = default;
};

// "clRed" for a colour of the table, otherwise "$" and eight upper-case hexadecimal digits.
std::string ColorToString(FontColor color);
// An identifier of the table in any letter case, or a number (decimal, or hexadecimal after "$"
// or "0x"); nothing for any other text.
std::optional<FontColor> StringToColor(std::string_view text);

std::string FontString(const FontSpec& font);

// Reads a FontString back into font: the text is split at commas and semicolons, each part
// trimmed; the parts are name, size, style, pitch, colour and character set. A part that is
// missing, empty where a value is needed, not a number, out of range or (for the colour) neither
// an identifier nor a number leaves the font's value as it was; parts beyond the sixth are
// ignored.
void ApplyFontString(std::string_view text, FontSpec& font);

}  // namespace fenu
