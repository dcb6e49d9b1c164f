#include "app/TfrmFenu_win.h"

#include <cwchar>
#include <stdexcept>

#include "common/Settings.h"
#include "ui/win32/AppError_win.h"
#include "ui/win32/MessageLoop_win.h"
#include "ui/win32/Text_win.h"
#include "ui/win32/WindowClass_win.h"
#include "ui/win32/WindowObject_win.h"

namespace fenu {

TfrmFenuView::TfrmFenuView(win32::Win32Services& services, std::string appDir)
    : services_(services), forms_(services.services, appDir), logic_(services.services, forms_, std::move(appDir)) {}

void TfrmFenuView::Create() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = L"TfrmFenu";
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  ui::RegisterWindowClass(wc);
  hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"TfrmFenu", ui::ToWide(kAppTitle).c_str(), WS_POPUP, 0, 0, 0, 0, nullptr,
                          nullptr, instance, this);
  if (!hwnd_) throw std::runtime_error("CreateWindowExW TfrmFenu");
  services_.hotkeys.SetWindow(hwnd_);
  logic_.SetWindow(reinterpret_cast<WindowHandle>(hwnd_));
  // Which hotkey arrived and which control it captured, for a debugger or a test to read.
  logic_.OnHotkeyDispatch = [](const TfrmFenu::HotkeyDispatch& dispatch) {
    wchar_t trace[96];
    std::swprintf(trace, 96, L"fenu: hotkey slot=%d target=0x%llx\n", dispatch.slot,
                  static_cast<unsigned long long>(dispatch.target));
    OutputDebugStringW(trace);
  };

  popup_.Reset(CreatePopupMenu());
  const std::pair<int, const char*> items[] = {
      {mnuBVerwaltung, "Baustein Verwaltung"}, {mnuArchivVerwaltung, "Text-Archiv Verwaltung"},
      {mnuCalendar4, "Kalender aufrufen"},     {mnuFafo, "Favorisierte Ordner"},
      {0, nullptr},                            {mnuHotKeys, "HotKeys festlegen"},
      {0, nullptr},                            {Beenden1, "Beenden"}};
  // "Netzwerknachrichten" (mnuNNS) exists but stays hidden.
  for (const auto& [id, caption] : items) {
    if (caption) AppendMenuW(popup_.Get(), MF_STRING, static_cast<UINT_PTR>(id), ui::ToWide(caption).c_str());
    else AppendMenuW(popup_.Get(), MF_SEPARATOR, 0, nullptr);
  }

  icon_.Reset(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR)));
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
  AddTrayIcon();
}

void TfrmFenuView::Start() { logic_.FormCreate(); }

int TfrmFenuView::Run() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) ui::DispatchLoopMessage(msg);
  return static_cast<int>(msg.wParam);
}

void TfrmFenuView::Shutdown() {
  RemoveTrayIcon();
  logic_.FormDestroy();
}

void TfrmFenuView::AddTrayIcon() {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = hwnd_;
  data.uID = 1;
  data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  data.uCallbackMessage = kTrayMessage;
  data.hIcon = icon_.Get();
  std::wcsncpy(data.szTip, ui::ToWide(kAppTitle).c_str(), sizeof data.szTip / sizeof data.szTip[0] - 1);
  iconShown_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

void TfrmFenuView::RemoveTrayIcon() {
  if (!iconShown_) return;
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = hwnd_;
  data.uID = 1;
  Shell_NotifyIconW(NIM_DELETE, &data);
  iconShown_ = false;
}

void TfrmFenuView::ShowPopup() {
  POINT at;
  GetCursorPos(&at);
  // The menu only closes on a click elsewhere when its owner is in front.
  SetForegroundWindow(hwnd_);
  TrackPopupMenu(popup_.Get(), TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
  PostMessageW(hwnd_, WM_NULL, 0, 0);
}

void TfrmFenuView::Command(int id) {
  switch (id) {
    case mnuBVerwaltung: logic_.mnuBVerwaltungClick(); break;
    case mnuArchivVerwaltung: logic_.mnuArchivVerwaltungClick(); break;
    case mnuCalendar4: logic_.mnuCalendar4Click(); break;
    case mnuFafo: logic_.mnuFafoClick(); break;
    case mnuNNS: logic_.mnuNNSClick(); break;
    case mnuHotKeys: logic_.mnuHotKeysClick(); break;
    case Beenden1:
      RemoveTrayIcon();
      DestroyWindow(hwnd_);
      break;
    default: break;
  }
}

LRESULT CALLBACK TfrmFenuView::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return ui::ObjectWindowProc<TfrmFenuView, &TfrmFenuView::hwnd_, &TfrmFenuView::HandleMessage, ui::DefaultProc::Window>(
      hwnd, msg, wParam, lParam);
}

LRESULT TfrmFenuView::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kTrayMessage) {
    // Left click brings the shell forward and shows the menu; the right button shows it too.
    if (lParam == WM_LBUTTONUP || lParam == WM_RBUTTONUP) ShowPopup();
    return 0;
  }
  if (taskbarCreated_ && msg == taskbarCreated_) {
    iconShown_ = false;
    AddTrayIcon();
    return 0;
  }
  switch (msg) {
    case WM_HOTKEY:
      logic_.HotkeyMessage(static_cast<std::uint32_t>(wParam));
      return 0;
    case WM_COMMAND:
      Command(LOWORD(wParam));
      return 0;
    case WM_CLOSE:
      RemoveTrayIcon();
      DestroyWindow(hwnd_);
      return 0;
    case WM_DESTROY:
      Shutdown();
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd_, msg, wParam, lParam);
  }
}

}  // namespace fenu
