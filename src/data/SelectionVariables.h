#pragma once
// The selection-variable store: the value lists of the choice variables ("Auswahl"), shared by
// every database, in the INI file AppDir + "Daten\Auswahl.vdb". One section per variable, named
// as the user typed it (compared without regard to case):
//   [Anrede]
//   Val=SGVycixGcmF1LCJGcmF1IERyLiI=     the value list as comma text, Base64-encoded
//   Restrict=1                           1: only a value from the list; 0: free input allowed
// Every operation reads the file afresh and every write stores it at once; nothing is cached.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Errors.h"
#include "core/IniFile.h"

namespace fenu {

// Comma text of a list: items separated by commas; an item with a blank, a control character,
// a double quote or a comma is written in double quotes with its quotes doubled; a list of
// exactly one empty item is "\"\"", an empty list the empty text.
std::string CommaText(const std::vector<std::string>& items);
// Reads comma text: leading characters 1-32 are skipped; an item is either quoted (a doubled
// quote is one quote; an unclosed quote runs to the end) or bare up to the next character of
// code 32 or below or the next comma; characters 1-32 and one comma with the blanks after it
// separate items. A comma at the very end adds an empty item (so that every list the writer
// writes reads back the same); a NUL character ends the text.
std::vector<std::string> ReadCommaText(std::string_view text);

// Base64 of RFC 4648 with "=" padding and no line breaks.
std::string EncodeBase64(std::string_view bytes);
// Tolerant decoding in whole groups of four: a text shorter than four characters gives nothing,
// characters after the last whole group are ignored, a group starting with "=" gives nothing, a
// group with "=" third gives one byte, with "=" fourth two bytes, otherwise three; decoding goes
// on after a padded group. A character outside the alphabet counts as 0 bits.
std::string DecodeBase64(std::string_view text);

// The file of the store for a program folder (with its trailing backslash).
std::string SelectionVariablesFile(std::string_view appDir);

// The longest "Val" the store writes: a value is read back with at most 2047 characters, so a
// longer list could not be read again.
inline constexpr std::size_t kMaxEncodedValueList = kMaxProfileValue;

// Thrown by WriteList instead of writing a list that could not be read back in full.
class ValueListTooLong : public FenuError {
 public:
  using FenuError::FenuError;
};

class SelectionVariables {
 public:
  explicit SelectionVariables(std::string file) : ini_(std::move(file)) {}
  const std::string& FileName() const { return ini_.FileName(); }

  // Whether the file exists at all (the choice prompt reports a missing one).
  bool FileExists() const;
  // What is wrong with the file, or nothing when it is whole or missing: what FindProfileDamage
  // finds, and a "Val" that is not Base64 as the writer makes it (whole groups of four, "=" only
  // as padding at the end), as a value cut off in the middle is not. The reads above stay
  // tolerant; the windows ask this before they use or change the file.
  std::optional<std::string> Damage() const;
  // Throws DamagedFileError, whose text names the file and the damage, when Damage() finds any.
  void CheckWhole() const;
  // Whether a variable of that name has a section.
  bool VariableExists(std::string_view name) const;
  // The variable's values in list order; none when the variable or its "Val" is missing.
  std::vector<std::string> ReadList(std::string_view name) const;
  // "Restrict" as a number, non-zero meaning true; def when it is missing or not a number (the
  // choice prompt passes true, the variable editor false).
  bool ReadRestriction(std::string_view name, bool def) const;
  // Writes "Val" and "Restrict" ("1" or "0"), creating the file and the section as needed.
  // Throws ValueListTooLong, leaving the file unchanged, when the encoded list would be longer
  // than kMaxEncodedValueList; DamagedFileError, writing nothing, when the file is damaged;
  // FileError when the file cannot be written.
  void WriteList(std::string_view name, const std::vector<std::string>& values, bool restricted);
  // Whether WriteList takes this list.
  static bool FitsInStore(const std::vector<std::string>& values);
  // Removes the variable's whole section. A damaged file throws DamagedFileError and stays as it is.
  void DeleteVariable(std::string_view name);
  // The names of all variables in file order.
  std::vector<std::string> VariableNames() const;

 private:
  IniFile ini_;
};

}  // namespace fenu
