#include "platform/win32/Keyboard_win.h"
#include "platform/win32/Waiting_win.h"

#include <cstring>
#include <cwchar>
#include <string>

#include "core/Cp1252.h"
#include "ui/win32/MessageLoop_win.h"
#include "ui/win32/Text_win.h"

namespace fenu::win32 {
namespace {

// How long another program may hold the clipboard, and how often to ask for it meanwhile.
constexpr std::uint32_t kClipboardBoundMs = 500;
constexpr std::uint32_t kClipboardPauseMs = 5;

}  // namespace

void Win32Keyboard::KeyEvent(std::uint8_t key, bool up, bool extended) {
  held_.Note(key, up);
  if (!up) {
    // A modifier the system let go of since it was pressed goes down again before this key.
    for (std::uint8_t lost : held_.Lost([](std::uint8_t vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; }))
      if (lost != key) {
        OutputDebugStringW((L"fenu: modifier " + std::to_wstring(lost) + L" pressed again").c_str());
        Send(lost, false, false);
      }
  }
  Send(key, up, extended);
}

void Win32Keyboard::Send(std::uint8_t key, bool up, bool extended) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0u) | (extended ? KEYEVENTF_EXTENDEDKEY : 0u);
  SendInput(1, &input, sizeof input);
}

std::optional<KeyStroke> Win32Keyboard::CharToKey(char c) {
  // Every cp1252 character lies in the Basic Multilingual Plane: one UTF-16 unit.
  const auto unit = static_cast<WCHAR>(Cp1252ToCodePoint(static_cast<unsigned char>(c)));
  const SHORT scan = VkKeyScanW(unit);
  if (scan == -1) return std::nullopt;
  const auto bits = static_cast<unsigned>(static_cast<unsigned short>(scan));
  return KeyStroke{static_cast<std::uint8_t>(bits & 0xFF),
                   static_cast<std::uint8_t>((bits >> 8) & (kShiftStateShift | kShiftStateCtrl | kShiftStateAlt))};
}

void Win32Keyboard::TypeUnicode(std::uint16_t unit) {
  // Without a virtual key: the system hands the unit to the focused window as a character.
  INPUT inputs[2]{};
  for (INPUT& input : inputs) {
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = unit;
    input.ki.dwFlags = KEYEVENTF_UNICODE;
  }
  inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof(INPUT));
}

bool Win32Keyboard::NumLock() {
  BYTE state[256] = {};
  if (!GetKeyboardState(state)) return false;
  return (state[VK_NUMLOCK] & 1) != 0;
}

void Win32Keyboard::SetNumLock(bool on) {
  BYTE state[256] = {};
  if (!GetKeyboardState(state)) return;
  state[VK_NUMLOCK] = static_cast<BYTE>(on ? (state[VK_NUMLOCK] | 1) : (state[VK_NUMLOCK] & ~1));
  SetKeyboardState(state);
}

void Win32Keyboard::ProcessKeyboardMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0x100, 0x108, PM_REMOVE)) ui::DispatchLoopMessage(msg);
}

void Win32Keyboard::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Not ours to act on: leave it for the loop that runs the program.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    ui::DispatchLoopMessage(msg);
  }
}

Win32Clipboard::~Win32Clipboard() {
  if (owner_) DestroyWindow(owner_);
}

bool Win32Clipboard::Open() {
  if (!owner_)
    owner_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
  // Another program may hold the clipboard for a moment; the system tells nobody when it lets go.
  ClipboardWaitHost host;
  return WaitFor([&] { return OpenClipboard(owner_) != FALSE; }, kClipboardBoundMs, kClipboardPauseMs, host) ==
         WaitEnd::Met;
}

namespace {

// A movable memory block holding a copy of bytes, or null.
HGLOBAL GlobalCopy(const void* data, std::size_t bytes) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return nullptr;
  void* target = GlobalLock(memory);
  if (!target) {
    GlobalFree(memory);
    return nullptr;
  }
  std::memcpy(target, data, bytes);
  GlobalUnlock(memory);
  return memory;
}

// Puts a copy of bytes on the open clipboard in format; the clipboard then owns it.
bool PutOnClipboard(UINT format, const void* data, std::size_t bytes) {
  HGLOBAL memory = GlobalCopy(data, bytes);
  if (!memory) return false;
  if (SetClipboardData(format, memory)) return true;
  GlobalFree(memory);
  return false;
}

// Marks the content of the open clipboard as not for the clipboard history and not for the
// cloud clipboard, with the formats that Windows' history reads; systems without a history
// ignore them. Other programs see the marks as formats they do not know.
void KeepOutOfHistory() {
  const DWORD no = 0;
  for (const wchar_t* name : {L"ExcludeClipboardContentFromMonitorProcessing", L"CanIncludeInClipboardHistory",
                              L"CanUploadToCloudClipboard"})
    if (const UINT format = RegisterClipboardFormatW(name)) PutOnClipboard(format, &no, sizeof no);
}

}  // namespace

bool Win32Clipboard::SetText(std::string_view text, ClipboardHistory history) {
  const std::wstring wide = ui::ToWide(text);
  if (!Open()) return false;
  EmptyClipboard();
  // The system offers it as CF_TEXT and CF_OEMTEXT too.
  const bool ok = PutOnClipboard(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  if (ok && history == ClipboardHistory::Excluded) KeepOutOfHistory();
  CloseClipboard();
  return ok;
}

std::string Win32Clipboard::GetText() {
  if (!Open()) return {};
  std::string text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
      // Never read past the block, whether or not its text is terminated.
      const std::size_t capacity = GlobalSize(data) / sizeof(wchar_t);
      text = ui::FromWide(std::wstring_view(units, wcsnlen(units, capacity)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

bool Win32Foreground::SetForeground(WindowHandle window) {
  // The captured control is a child; the foreground belongs to its top-level window.
  HWND control = reinterpret_cast<HWND>(window);
  HWND top = control ? GetAncestor(control, GA_ROOT) : nullptr;
  HWND front = top ? top : control;
  const bool changed = GetForegroundWindow() != front;
  const bool done = SetForegroundWindow(front) != FALSE;
  if (done && changed) AwaitActivation(front, control);
  return done;
}

void Win32Foreground::LetInputArrive() {
  // Keys that the window in front has not taken from its queue when it loses the foreground go to
  // the next window (under Wine they are dropped). A message sent to it is answered from inside
  // its next GetMessage, which then hands out one queued message; so each answered round trip
  // takes at least one of our keys (or the character a key became) out of its queue. A window
  // that stops answering ends the wait.
  HWND front = GetForegroundWindow();
  if (!front || GetWindowThreadProcessId(front, nullptr) == GetCurrentThreadId()) return;
  constexpr int kRoundTrips = 256;
  for (int trip = 0; trip < kRoundTrips; ++trip) {
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(front, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 500, &ignored)) break;
  }
}

void Win32PlainMessage::PlainMessage(std::string_view caption, std::string_view text) {
  MessageBoxW(nullptr, ui::ToWide(text).c_str(), ui::ToWide(caption).c_str(), MB_OK);
}

}  // namespace fenu::win32
