#pragma once
// The text form in which a font is kept in the settings file ("BFont", "AFont"):
// name, size in points, style letters, pitch, colour and character set, joined by commas,
// for example "Segoe UI,8,,0,clWindowText,1".
#include <optional>
#include <string>
#include <string_view>

#include "platform/FontSpec.h"

namespace fenu {

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
