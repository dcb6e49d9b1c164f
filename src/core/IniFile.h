#pragma once
// Profile files (INI) read and written the way Windows' profile functions do it: section and key
// names without regard to case, blanks around names and values dropped, lines starting with ";"
// ignored, the first of duplicate sections and keys wins, one pair of enclosing quotes removed,
// values read up to 2047 characters, writes replace a value in place and create what is missing.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fenu {

inline constexpr std::size_t kMaxProfileValue = 2047;

// One profile file held in memory, every other line kept byte for byte.
class IniDocument {
 public:
  IniDocument() = default;
  static IniDocument Parse(std::string_view bytes);
  std::string Serialize() const;

  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  // A number as ParseInt reads it; a missing or non-numeric value yields def.
  std::int32_t Integer(std::string_view section, std::string_view key, std::int32_t def) const;
  void SetValue(std::string_view section, std::string_view key, std::string_view value);
  void DeleteKey(std::string_view section, std::string_view key);
  void EraseSection(std::string_view section);

  bool SectionExists(std::string_view section) const;
  std::vector<std::string> SectionNames() const;
  // Key names of a section in file order (comments and blank lines left out).
  std::vector<std::string> KeyNames(std::string_view section) const;
  std::vector<std::pair<std::string, std::string>> SectionValues(std::string_view section) const;

 private:
  struct Line {
    std::string text;
    std::string eol;  // the line's own ending, empty on an unterminated last line
  };
  // Index range [header, end) of the first section with this name, or nothing.
  std::optional<std::pair<std::size_t, std::size_t>> FindSection(std::string_view section) const;
  std::string DefaultEol() const;

  std::vector<Line> lines_;
};

// Typed access to one profile file by path. Every call reads the file afresh and every write
// stores it at once; nothing is cached. A write that cannot reach the disk throws FileError
// "nach <path> kann nicht geschrieben werden".
class IniFile {
 public:
  explicit IniFile(std::string path) : path_(std::move(path)) {}
  const std::string& FileName() const { return path_; }

  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  // Decimal, or hexadecimal after "0x"; anything else yields def.
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const;
  // Any non-zero number is true; a non-numeric value yields def.
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;

  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
  void WriteBool(std::string_view section, std::string_view key, bool value);  // "1" / "0"

  void DeleteKey(std::string_view section, std::string_view key);
  void EraseSection(std::string_view section);
  bool SectionExists(std::string_view section) const;
  bool ValueExists(std::string_view section, std::string_view key) const;
  std::vector<std::string> ReadSections() const;
  std::vector<std::string> ReadSection(std::string_view section) const;
  std::vector<std::pair<std::string, std::string>> ReadSectionValues(std::string_view section) const;

  IniDocument Load() const;
  void Save(const IniDocument& document);

 private:
  std::string path_;
};

std::string WriteErrorText(std::string_view path);

// Asked about every "key=value" line (key and value trimmed, quotes kept): what is wrong with the
// value, or nothing.
using ProfileValueCheck =
    std::function<std::optional<std::string>(std::string_view section, std::string_view key, std::string_view value)>;

// Where a profile file that this program writes is damaged, for the stores that must not be used
// half-read; nothing when it is whole. Damage is what the writer never produces: a NUL byte, a line
// that is neither blank, a comment, a section header nor "key=value", a value longer than a reader
// takes (kMaxProfileValue), a value that check refuses and, with wholeLastLine, a last line without
// its line break (the file was cut off). The text says what and where, with 0-based byte offsets
// as the tree reader gives them: "Zeile 3 bei Byte 17 ist weder Abschnitt noch Eintrag",
// "unerwartetes Ende der Daten bei Byte 40".
std::optional<std::string> FindProfileDamage(std::string_view bytes, bool wholeLastLine,
                                             const ProfileValueCheck& check = {});

}  // namespace fenu
