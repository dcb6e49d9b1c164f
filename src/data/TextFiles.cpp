#include "data/TextFiles.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/Cp1252.h"
#include "core/FileIo.h"
#include "core/SafeFile.h"
#include "core/TextLines.h"
#include "platform/Clock.h"

namespace fenu {
namespace fs = std::filesystem;

std::vector<std::string> SplitTextLines(std::string_view text) {
  std::vector<std::string> lines;
  for (const TextLine& line : SplitLines(text)) lines.emplace_back(line.text);
  return lines;
}

std::optional<std::string> ReadTextFile(std::string_view path) {
  const std::optional<std::string> bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return NormalizeLineBreaks(*bytes);
}

void WriteTextFile(std::string_view path, std::string_view text) { WriteFileSafely(path, text); }

bool IsSafeTextFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (const char c : name) {
    if (static_cast<unsigned char>(c) < 0x20) return false;
    if (std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) return false;
  }
  // Windows' devices answer to their names with any extension.
  const std::string stem = UpperCase(name.substr(0, name.find('.')));
  static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL"};
  for (const char* device : kDevices)
    if (stem == device) return false;
  if (stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' && stem[3] <= '9')
    return false;
  return true;
}

std::vector<std::string> ListTextFiles(std::string_view textDir) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(ToFsPath(textDir), ec), end; !ec && it != end; it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
#ifdef _WIN32
    const std::u16string wide = it->path().filename().u16string();
    const std::string name = Utf16ToCp1252(wide);
    if (Cp1252ToUtf16(name) != wide) continue;
#else
    const std::string native = it->path().filename().string();
    const std::string name = Utf8ToCp1252(native);
    if (Cp1252ToUtf8(name) != native) continue;
#endif
    const std::string ext = kTextFileExtension;
    if (name.size() > ext.size() && EqualsNoCase(std::string_view(name).substr(name.size() - ext.size()), ext))
      names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string MakeTimeId(int day, int month, int year, int hour, int minute, int millisecond) {
  char id[32];
  std::snprintf(id, sizeof id, "%02d%02d%02d%02d%02d%03d", day % 100, month % 100, year % 100, hour % 100,
                minute % 100, millisecond % 1000);
  return id;
}

std::string CurrentTimeId() {
  const LocalTime now = SystemLocalTime();
  return MakeTimeId(now.day, now.month, now.year, now.hour, now.minute, now.millisecond);
}

}  // namespace fenu
