#pragma once
// A font as the windows and the font dialog describe it: face, size in points, style, pitch,
// colour and character set. Its text form for the settings file is model/FontString.h.
#include <cstddef>
#include <cstdint>
#include <string>

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

}  // namespace fenu
