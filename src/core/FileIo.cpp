#include "core/FileIo.h"

#include <fstream>
#include <system_error>

#include "core/Cp1252.h"

namespace fenu {
namespace fs = std::filesystem;

namespace {
bool IsSeparator(char c) { return c == '\\' || c == '/' || c == ':'; }
}  // namespace

fs::path ToFsPath(std::string_view path) {
#ifdef _WIN32
  const std::u16string wide = Cp1252ToUtf16(path);
  return fs::path(std::wstring(wide.begin(), wide.end()));
#else
  std::string native = Cp1252ToUtf8(path);
  for (char& c : native)
    if (c == '\\') c = '/';
  return fs::path(native);
#endif
}

bool FileExists(std::string_view path) {
  std::error_code ec;
  return fs::is_regular_file(ToFsPath(path), ec);
}

bool DirectoryExists(std::string_view path) {
  std::error_code ec;
  return fs::is_directory(ToFsPath(path), ec);
}

bool IsReadOnlyFile(std::string_view path) {
  std::error_code ec;
  const auto status = fs::status(ToFsPath(path), ec);
  if (ec || !fs::is_regular_file(status)) return false;
  return (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

std::optional<std::string> ReadFileBytes(std::string_view path) {
  // A folder opens as a stream on some systems and reports an absurd size.
  std::error_code ec;
  if (fs::is_directory(ToFsPath(path), ec)) return std::nullopt;
  std::ifstream in(ToFsPath(path), std::ios::binary | std::ios::ate);
  if (!in) return std::nullopt;
  const std::streamoff size = in.tellg();
  if (size < 0) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size), '\0');
  in.seekg(0);
  if (!in.read(bytes.data(), size)) return std::nullopt;
  return bytes;
}

bool WriteFileReplacing(std::string_view path, std::string_view bytes) {
  const fs::path target = ToFsPath(path);
  if (IsReadOnlyFile(path)) return false;
  fs::path temp = target;
  temp += ".neu";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      fs::remove(temp, ignored);
      return false;
    }
  }
  std::error_code ec;
  fs::rename(temp, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    return false;
  }
  return true;
}

bool ForceDirectories(std::string_view path) {
  std::error_code ec;
  const fs::path dir = ToFsPath(path);
  if (fs::is_directory(dir, ec)) return true;
  fs::create_directories(dir, ec);
  return !ec && fs::is_directory(dir, ec);
}

std::string ExtractFilePath(std::string_view path) {
  for (std::size_t i = path.size(); i > 0; --i)
    if (IsSeparator(path[i - 1])) return std::string(path.substr(0, i));
  return {};
}

std::string ExtractFileName(std::string_view path) {
  return std::string(path.substr(ExtractFilePath(path).size()));
}

std::string IncludeTrailingBackslash(std::string_view path) {
  std::string out(path);
  if (out.empty() || (out.back() != '\\' && out.back() != '/')) out += '\\';
  return out;
}

}  // namespace fenu
