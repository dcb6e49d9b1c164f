#pragma once
// The password file beside a building-block database: the database's path with the extension
// ".zug", holding one 28-byte record:
//   0  1   marker length, 5
//   1  5   marker "abcde"
//   6  1   password length, 0 to 15 (0: no password)
//   7  15  the password in cp1252, as typed; the bytes after it mean nothing
//   22 6   tail, never read
// A missing file means that no password is set.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace fenu {

inline constexpr const char* kPasswordExtension = ".zug";
inline constexpr std::size_t kPasswordRecordSize = 28;
inline constexpr std::size_t kMaxPasswordLength = 15;
inline constexpr const char* kPasswordMarker = "abcde";

std::string PasswordFileOf(std::string_view databaseFile);

// The record for a password, cut to its first 15 characters; unused bytes are zero.
std::string PasswordRecord(std::string_view password);

// The password a record holds; empty for none. A short or damaged record is read only as far as
// it goes: without its length byte it holds no password, and a length beyond the field or beyond
// the bytes present is cut to what is there.
std::string PasswordOfRecord(std::string_view bytes);

// The stored password, or nothing when the file does not exist (no password set). A file that
// exists but cannot be read is taken as it would be if it held no bytes at all.
std::optional<std::string> ReadPasswordFile(std::string_view path);

// Creates or replaces the file with the record for password. The old file stays as it was when
// writing fails: FileError "nach <path> kann nicht geschrieben werden".
void WritePasswordFile(std::string_view path, std::string_view password);

}  // namespace fenu
