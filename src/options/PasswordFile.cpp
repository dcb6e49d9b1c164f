#include "options/PasswordFile.h"

#include <algorithm>
#include <fstream>

#include "core/FileIo.h"
#include "data/Database.h"
#include "core/SafeFile.h"

namespace fenu {
namespace {
constexpr std::size_t kLengthOffset = 6;
constexpr std::size_t kTextOffset = 7;
}  // namespace

std::string PasswordFileOf(std::string_view databaseFile) { return ChangeFileExt(databaseFile, kPasswordExtension); }

std::string PasswordRecord(std::string_view password) {
  const std::string_view kept = password.substr(0, kMaxPasswordLength);
  std::string record(kPasswordRecordSize, '\0');
  record[0] = 5;
  std::copy_n(kPasswordMarker, 5, record.begin() + 1);
  record[kLengthOffset] = static_cast<char>(kept.size());
  std::copy(kept.begin(), kept.end(), record.begin() + kTextOffset);
  return record;
}

std::string PasswordOfRecord(std::string_view bytes) {
  if (bytes.size() <= kLengthOffset) return {};
  std::size_t length = static_cast<unsigned char>(bytes[kLengthOffset]);
  length = std::min({length, kMaxPasswordLength, bytes.size() - kTextOffset});
  return std::string(bytes.substr(kTextOffset, length));
}

std::optional<std::string> ReadPasswordFile(std::string_view path) {
  if (!FileExists(path)) return std::nullopt;
  // Only the record at the start counts, however long the file is.
  std::string bytes(kPasswordRecordSize, '\0');
  std::ifstream in(ToFsPath(path), std::ios::binary);
  if (!in) return std::string();
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
  return PasswordOfRecord(bytes);
}

void WritePasswordFile(std::string_view path, std::string_view password) {
  WriteFileSafely(path, PasswordRecord(password));
}

}  // namespace fenu
