#include "platform/win32/Win32Services_win.h"
#include "ui/win32/Text_win.h"

namespace fenu::win32 {

bool Win32VersionResource::Read(std::string_view file, std::string& block) {
  const std::wstring path = ui::ToWide(file);
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
  if (size == 0) return false;
  block.assign(size, '\0');
  return GetFileVersionInfoW(path.c_str(), 0, size, block.data()) != FALSE;
}

bool Win32VersionResource::Translation(const std::string& block, std::uint16_t& language, std::uint16_t& codePage) {
  void* data = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &data, &length) || length < 4) return false;
  const auto* pair = static_cast<const WORD*>(data);
  language = pair[0];
  codePage = pair[1];
  return true;
}

bool Win32VersionResource::QueryString(const std::string& block, std::string_view key, std::string& value) {
  void* data = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), ui::ToWide(key).c_str(), &data, &length) || !data) return false;
  std::wstring text(static_cast<const wchar_t*>(data), length);
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  value = ui::FromWide(text);
  return true;
}

}  // namespace fenu::win32
