#include "platform/win32/Win32Services_win.h"

#include <winnetwk.h>

#include <vector>

#include "ui/win32/Text_win.h"

namespace fenu::win32 {
namespace {

// One enumeration call hands out as many entries as fit this buffer; a single entry that does
// not fit makes the buffer grow to the size the system asks for.
constexpr DWORD kEnumBufferBytes = 8192;

std::string Text(const wchar_t* text) { return text ? ui::FromWide(text) : std::string(); }

NetResource FromNative(const NETRESOURCEW& native) {
  NetResource resource;
  resource.scope = native.dwScope;
  resource.type = native.dwType;
  resource.displayType = native.dwDisplayType;
  resource.usage = native.dwUsage;
  resource.localName = Text(native.lpLocalName);
  resource.remoteName = Text(native.lpRemoteName);
  resource.comment = Text(native.lpComment);
  resource.provider = Text(native.lpProvider);
  return resource;
}

}  // namespace

std::uint32_t Win32Network::OpenEnum(std::uint32_t scope, std::uint32_t type, std::uint32_t usage,
                                     const NetResource* start, NetEnumHandle& handle) {
  std::wstring local, remote, comment, provider;
  NETRESOURCEW native{};
  if (start) {
    native.dwScope = start->scope;
    native.dwType = start->type;
    native.dwDisplayType = start->displayType;
    native.dwUsage = start->usage;
    local = ui::ToWide(start->localName);
    remote = ui::ToWide(start->remoteName);
    comment = ui::ToWide(start->comment);
    provider = ui::ToWide(start->provider);
    native.lpLocalName = local.empty() ? nullptr : local.data();
    native.lpRemoteName = remote.empty() ? nullptr : remote.data();
    native.lpComment = comment.empty() ? nullptr : comment.data();
    native.lpProvider = provider.empty() ? nullptr : provider.data();
  }
  HANDLE nativeHandle = nullptr;
  const DWORD result = WNetOpenEnumW(scope, type, usage, start ? &native : nullptr, &nativeHandle);
  if (result == NO_ERROR) handle = reinterpret_cast<NetEnumHandle>(nativeHandle);
  return result;
}

std::uint32_t Win32Network::EnumResource(NetEnumHandle handle, std::vector<NetResource>& entries) {
  entries.clear();
  std::vector<DWORD> buffer(kEnumBufferBytes / sizeof(DWORD));
  for (;;) {
    DWORD count = static_cast<DWORD>(-1);
    DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(DWORD));
    const DWORD result = WNetEnumResourceW(reinterpret_cast<HANDLE>(handle), &count, buffer.data(), &bytes);
    if (result == ERROR_MORE_DATA && bytes > buffer.size() * sizeof(DWORD)) {
      buffer.resize(bytes / sizeof(DWORD) + 1);
      continue;
    }
    if (result != NO_ERROR) return result;
    const auto* resources = reinterpret_cast<const NETRESOURCEW*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) entries.push_back(FromNative(resources[i]));
    return NO_ERROR;
  }
}

std::uint32_t Win32Network::CloseEnum(NetEnumHandle handle) { return WNetCloseEnum(reinterpret_cast<HANDLE>(handle)); }

std::string Win32Network::ComputerName() {
  wchar_t name[256] = {};
  DWORD size = 255;
  if (!GetComputerNameW(name, &size)) return {};
  return ui::FromWide(std::wstring_view(name, size));
}

std::string Win32Network::ErrorText(std::uint32_t code) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
      reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message = length && text ? std::wstring(text, length) : std::wstring();
  if (text) LocalFree(text);
  while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n' || message.back() == L' '))
    message.pop_back();
  return ui::FromWide(message);
}

}  // namespace fenu::win32
