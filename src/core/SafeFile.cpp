#include "core/SafeFile.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "core/Errors.h"
#include "core/FileIo.h"
#include "core/IniFile.h"

namespace fenu {
namespace fs = std::filesystem;

namespace {

std::FILE* OpenForWriting(const fs::path& path) {
#ifdef _WIN32
  return ::_wfopen(path.c_str(), L"wb");
#else
  return std::fopen(path.c_str(), "wb");
#endif
}

// Hands the written bytes from the system's cache to the disk.
bool SyncToDisk(std::FILE* file) {
#ifdef _WIN32
  return ::_commit(::_fileno(file)) == 0;
#else
  return ::fsync(::fileno(file)) == 0;
#endif
}

}  // namespace

std::string WriteTempFile(std::string_view path, std::string_view bytes) {
  const std::string temp = std::string(path) + ".neu";
  const fs::path tempPath = ToFsPath(temp);
  std::FILE* file = OpenForWriting(tempPath);
  if (!file) throw FileError(WriteErrorText(path));
  bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = std::fflush(file) == 0 && ok;
  ok = ok && SyncToDisk(file);
  ok = std::fclose(file) == 0 && ok;
  if (!ok) {
    std::error_code ignored;
    fs::remove(tempPath, ignored);
    throw FileError(WriteErrorText(path));
  }
  return temp;
}

bool RenameReplacing(std::string_view from, std::string_view to) {
  std::error_code ec;
  fs::rename(ToFsPath(from), ToFsPath(to), ec);
  return !ec;
}

bool RemoveFileIfExists(std::string_view path) {
  std::error_code ec;
  const fs::path target = ToFsPath(path);
  fs::remove(target, ec);
  return !fs::exists(fs::symlink_status(target, ec));
}

void WriteFileSafely(std::string_view path, std::string_view bytes) {
  if (IsReadOnlyFile(path)) throw FileError(WriteErrorText(path));
  const std::string temp = WriteTempFile(path, bytes);
  if (!RenameReplacing(temp, path)) {
    RemoveFileIfExists(temp);
    throw FileError(WriteErrorText(path));
  }
}

}  // namespace fenu
