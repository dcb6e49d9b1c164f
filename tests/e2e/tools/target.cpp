// target.exe FILE: the application that the end-to-end tests type into.
//
// One window (class "FenuTarget", title "Zielprogramm") holding one multi-line edit control,
// which has the keyboard focus whenever the window is active. At start the edit control's HWND
// is written in decimal to FILE.hwnd; every 200 ms the edit's text is written to FILE as UTF-8
// (through FILE.tmp and a rename, so a reader never sees half a file), and just before it the
// moment of the text's last change to FILE.changed (microseconds of the performance counter, 0
// before any change), for measuring when text arrived. It reports its start and
// its end with OutputDebugStringW ("target: ready edit=HWND ..." and "target: closing").

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT kIntervalMs = 200;
constexpr int kEditId = 100;

std::wstring g_file;
HWND g_edit = nullptr;
long long g_changed = 0;  // microseconds of the performance counter

long long NowMicroseconds() {
    LARGE_INTEGER now{}, frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<long long>(static_cast<double>(now.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart));
}

bool WriteWhole(const std::wstring& path, const std::string& bytes) {
    const std::wstring tmp = path + L".tmp";
    HANDLE f = CreateFileW(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD n = 0;
    BOOL ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
    CloseHandle(f);
    return ok && MoveFileExW(tmp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

std::string Utf8(const std::wstring& w) {
    if (w.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr,
                        nullptr);
    return s;
}

void SaveText() {
    int len = GetWindowTextLengthW(g_edit);
    std::wstring text(static_cast<size_t>(len) + 1, L'\0');
    int got = GetWindowTextW(g_edit, text.data(), len + 1);
    text.resize(static_cast<size_t>(got));
    WriteWhole(g_file + L".changed", std::to_string(g_changed));
    WriteWhole(g_file, Utf8(text));
}

LRESULT CALLBACK WndProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE:
        g_edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                 WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE |
                                     ES_AUTOVSCROLL | ES_WANTRETURN,
                                 0, 0, 0, 0, h, reinterpret_cast<HMENU>(kEditId),
                                 reinterpret_cast<LPCREATESTRUCTW>(lp)->hInstance, nullptr);
        if (!g_edit) return -1;
        SendMessageW(g_edit, EM_SETLIMITTEXT, 0, 0);  // no 32K limit
        SetTimer(h, kTimerId, kIntervalMs, nullptr);
        return 0;
    case WM_SIZE:
        MoveWindow(g_edit, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
        return 0;
    case WM_SETFOCUS:
        SetFocus(g_edit);
        return 0;
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lp) == g_edit && HIWORD(wp) == EN_CHANGE) g_changed = NowMicroseconds();
        return 0;
    case WM_TIMER:
        if (wp == kTimerId) SaveText();
        return 0;
    case WM_DESTROY:
        KillTimer(h, kTimerId);
        SaveText();
        OutputDebugStringW(L"target: closing");
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(h, msg, wp, lp);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR cmdLine, int) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 2 || !cmdLine || !*cmdLine) return 2;  // usage: target.exe FILE
    g_file = argv[1];
    LocalFree(argv);

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"FenuTarget";
    if (!RegisterClassExW(&wc)) return 1;

    HWND main = CreateWindowExW(0, L"FenuTarget", L"Zielprogramm", WS_OVERLAPPEDWINDOW, 100, 100,
                                480, 320, nullptr, nullptr, instance, nullptr);
    if (!main) return 1;
    ShowWindow(main, SW_SHOWNORMAL);
    UpdateWindow(main);
    SetForegroundWindow(main);
    SetFocus(g_edit);

    SaveText();  // the text file exists before the HWND file announces the window
    const std::string edit = std::to_string(reinterpret_cast<uintptr_t>(g_edit));
    if (!WriteWhole(g_file + L".hwnd", edit)) {
        DestroyWindow(main);
        return 1;
    }
    // Non-ASCII and quotes on purpose: the harness must decode Wine's escapes.
    OutputDebugStringW((L"target: ready edit=" + std::wstring(edit.begin(), edit.end()) +
                        L" \"\u00c4\u00f6\u00fc\u00df\\\u20ac\"\n").c_str());

    MSG m;
    while (GetMessageW(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
    return static_cast<int>(m.wParam);
}
