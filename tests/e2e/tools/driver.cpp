// driver.exe: looks at and drives the windows of other programs for the end-to-end tests.
// It runs in the same Wine prefix as the program under test.
//
// Protocol: one command per line on stdin (UTF-8); one JSON object per line on stdout (UTF-8,
// flushed after each). At start it prints {"ok":true,"ready":true,"pid":N}. Every answer has
// "ok": true, or "ok": false with "error". Numbers in commands (HWND, message, wParam, lParam,
// index, pid) are decimal or 0x-hex and may be negative; handles are answered in decimal.
// A TEXT or PATH argument is the rest of the line: a JSON string literal when it starts with
// a double quote (so it can hold line breaks), otherwise taken as it stands.
//
//   windows                       all top-level windows: hwnd, class, title, visible, enabled,
//                                 owner, pid, tid, style, exstyle, xid (Wine's X11 window, for
//                                 xdotool), rect and client (screen coordinates)
//   info HWND                     one window, with the details that children gives
//   children HWND                 all descendants: hwnd, parent, root, id, class, text,
//                                 visible, enabled, style, pid, rect, client; "check" of
//                                 buttons; "selected", "count", "items" of combo and list
//                                 boxes (and "dropped" of combo boxes)
//   tree HWND                     items of a SysTreeView32 (handle, level, text, state)
//   listview HWND                 rows of a SysListView32 (texts of all columns, selection)
//   click HWND                    PostMessage BM_CLICK (posted: a modal box it opens can't
//                                 block the driver)
//   settext HWND TEXT             WM_SETTEXT
//   cbselect HWND INDEX           CB_SETCURSEL, then WM_COMMAND(CBN_SELCHANGE) to the parent
//   cbdropdown HWND [open|close]  CB_SHOWDROPDOWN TRUE and/or FALSE (the combo box tells its
//                                 parent CBN_DROPDOWN / CBN_CLOSEUP); both by default
//   lbselect HWND INDEX           LB_SETCURSEL, then WM_COMMAND(LBN_SELCHANGE) to the parent
//   tvselect HWND ITEM            TVM_SELECTITEM(TVGN_CARET, ITEM)
//   post HWND MSG WPARAM LPARAM   PostMessageW
//   send HWND MSG WPARAM LPARAM   SendMessageTimeoutW, bounded; answers result and timeout
//   dpichanged HWND DPI LEFT TOP RIGHT BOTTOM
//                                 WM_DPICHANGED as the system sends it when a window moves to
//                                 a screen of another DPI: the suggested window rectangle lies
//                                 in the window's process; answers as send
//   foreground                    GetForegroundWindow and GetGUIThreadInfo of its thread
//   focus HWND                    bring the top-level window of HWND forward, focus HWND;
//                                 both may happen a moment later (the harness polls)
//   capture HWND PATH             PrintWindow into a 24-bit BMP file; where that stays black
//                                 (another process's window under Wine), a copy of the
//                                 screen at the window's place. Answers the rectangle.
//   processes                     running processes (pid, parent, exe)
//   kill PID                      TerminateProcess
//   quit                          answers, then ends
//
// Calls into other processes are bounded (kSendTimeoutMs) so that a hung window can't hang us.

#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>

#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr UINT kSendTimeoutMs = 3000;
constexpr long long kMaxItems = 5000;

// ---- text ---------------------------------------------------------------------------------

std::string Utf8(const std::wstring& w) {
    if (w.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr,
                        nullptr);
    return s;
}

std::wstring Wide(const std::string& s) {
    if (s.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
    return w;
}

// ---- JSON output --------------------------------------------------------------------------

std::string Quote(const std::string& utf8) {
    std::string out = "\"";
    for (unsigned char c : utf8) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

std::string Quote(const std::wstring& w) { return Quote(Utf8(w)); }

// Builds one JSON object: Obj().Num("a", 1).Str("b", L"x").str()
class Obj {
public:
    Obj& Raw(const char* key, const std::string& json) {
        body_ += body_.empty() ? "" : ",";
        body_ += Quote(std::string(key)) + ":" + json;
        return *this;
    }
    Obj& Num(const char* key, long long v) { return Raw(key, std::to_string(v)); }
    Obj& Bool(const char* key, bool v) { return Raw(key, v ? "true" : "false"); }
    Obj& Str(const char* key, const std::wstring& v) { return Raw(key, Quote(v)); }
    Obj& Str(const char* key, const std::string& v) { return Raw(key, Quote(v)); }
    Obj& Hwnd(const char* key, HWND h) {
        return Num(key, static_cast<long long>(reinterpret_cast<uintptr_t>(h)));
    }
    std::string str() const { return "{" + body_ + "}"; }

private:
    std::string body_;
};

std::string Array(const std::vector<std::string>& items) {
    std::string out = "[";
    for (size_t i = 0; i < items.size(); ++i) out += (i ? "," : "") + items[i];
    return out + "]";
}

std::string RectJson(const RECT& r) {
    return Obj().Num("left", r.left).Num("top", r.top).Num("right", r.right)
        .Num("bottom", r.bottom).str();
}

// The client area in screen coordinates.
std::string ClientJson(HWND h) {
    RECT r{};
    GetClientRect(h, &r);
    MapWindowPoints(h, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return RectJson(r);
}

// ---- command-line parsing -----------------------------------------------------------------

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Args {
public:
    explicit Args(std::string line) : line_(std::move(line)) {}

    std::string Word() {
        SkipSpace();
        size_t start = pos_;
        while (pos_ < line_.size() && line_[pos_] != ' ' && line_[pos_] != '\t') ++pos_;
        return line_.substr(start, pos_ - start);
    }

    bool AtEnd() {
        SkipSpace();
        return pos_ >= line_.size();
    }

    long long Number(const char* what) {
        std::string w = Word();
        if (w.empty()) throw Failure(std::string("missing ") + what);
        char* end = nullptr;
        errno = 0;
        long long v = std::strtoll(w.c_str(), &end, 0);
        if (errno != 0 || *end != '\0') {
            // wParam values above LLONG_MAX, e.g. 0xFFFFFFFFFFFFFFFF
            unsigned long long u = std::strtoull(w.c_str(), &end, 0);
            if (*end != '\0') throw Failure(std::string("bad number for ") + what + ": " + w);
            v = static_cast<long long>(u);
        }
        return v;
    }

    HWND Window() {
        auto h = reinterpret_cast<HWND>(static_cast<intptr_t>(Number("HWND")));
        if (!IsWindow(h)) throw Failure("no such window");
        return h;
    }

    // The rest of the line: a JSON string literal, or the raw text.
    std::wstring Text() {
        SkipSpace();
        std::string rest = line_.substr(pos_);
        pos_ = line_.size();
        if (rest.empty() || rest[0] != '"') return Wide(rest);
        return ParseJsonString(rest);
    }

private:
    void SkipSpace() {
        while (pos_ < line_.size() && (line_[pos_] == ' ' || line_[pos_] == '\t')) ++pos_;
    }

    static unsigned Hex4(const std::string& s, size_t i) {
        if (i + 4 > s.size()) throw Failure("bad \\u escape");
        unsigned v = 0;
        for (size_t k = i; k < i + 4; ++k) {
            char c = s[k];
            v <<= 4;
            if (c >= '0' && c <= '9') v |= static_cast<unsigned>(c - '0');
            else if (c >= 'a' && c <= 'f') v |= static_cast<unsigned>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F') v |= static_cast<unsigned>(c - 'A' + 10);
            else throw Failure("bad \\u escape");
        }
        return v;
    }

    static std::wstring ParseJsonString(const std::string& s) {
        std::string plain;  // UTF-8 runs between escapes
        std::wstring out;
        auto flush = [&] {
            out += Wide(plain);
            plain.clear();
        };
        for (size_t i = 1; i < s.size(); ++i) {
            char c = s[i];
            if (c == '"') {
                flush();
                return out;
            }
            if (c != '\\') {
                plain += c;
                continue;
            }
            if (++i >= s.size()) break;
            switch (s[i]) {
            case 'n': plain += '\n'; break;
            case 'r': plain += '\r'; break;
            case 't': plain += '\t'; break;
            case 'b': plain += '\b'; break;
            case 'f': plain += '\f'; break;
            case 'u':
                flush();
                out += static_cast<wchar_t>(Hex4(s, i + 1));  // surrogates pass through as-is
                i += 4;
                break;
            default: plain += s[i]; break;  // \" \\ \/
            }
        }
        throw Failure("unterminated string");
    }

    std::string line_;
    size_t pos_ = 0;
};

// ---- window facts -------------------------------------------------------------------------

std::wstring ClassOf(HWND h) {
    wchar_t buf[256] = {};
    GetClassNameW(h, buf, 256);
    return buf;
}

bool Send(HWND h, UINT msg, WPARAM wp, LPARAM lp, DWORD_PTR* result) {
    DWORD_PTR r = 0;
    LRESULT ok = SendMessageTimeoutW(h, msg, wp, lp, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                                     kSendTimeoutMs, &r);
    if (result) *result = r;
    return ok != 0;
}

LRESULT SendOr(HWND h, UINT msg, WPARAM wp, LPARAM lp, LRESULT fallback) {
    DWORD_PTR r = 0;
    return Send(h, msg, wp, lp, &r) ? static_cast<LRESULT>(r) : fallback;
}

// Text of a window in any process (WM_GETTEXT is marshalled across processes).
std::wstring TextOf(HWND h) {
    LRESULT len = SendOr(h, WM_GETTEXTLENGTH, 0, 0, -1);
    if (len < 0) {  // hung: fall back to the caption the system keeps
        wchar_t buf[1024] = {};
        InternalGetWindowText(h, buf, 1024);
        return buf;
    }
    std::wstring buf(static_cast<size_t>(len) + 2, L'\0');
    LRESULT got = SendOr(h, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()), 0);
    buf.resize(static_cast<size_t>(got < 0 ? 0 : got));
    return buf;
}

std::wstring TitleOf(HWND h) {
    wchar_t buf[1024] = {};
    InternalGetWindowText(h, buf, 1024);
    return buf;
}

// A list item of a combo or list box; textLenMsg/textMsg are CB_/LB_GETLBTEXT(LEN).
std::wstring ItemText(HWND h, UINT textLenMsg, UINT textMsg, WPARAM index) {
    LRESULT len = SendOr(h, textLenMsg, index, 0, -1);
    if (len < 0) return {};
    std::wstring buf(static_cast<size_t>(len) + 2, L'\0');
    LRESULT got = SendOr(h, textMsg, index, reinterpret_cast<LPARAM>(buf.data()), -1);
    buf.resize(static_cast<size_t>(got < 0 ? 0 : got));
    return buf;
}

std::string ItemsJson(HWND h, UINT countMsg, UINT textLenMsg, UINT textMsg, long long* count) {
    *count = SendOr(h, countMsg, 0, 0, -1);
    std::vector<std::string> items;
    for (long long i = 0; i < *count && i < kMaxItems; ++i)
        items.push_back(Quote(ItemText(h, textLenMsg, textMsg, static_cast<WPARAM>(i))));
    return Array(items);
}

bool ClassIs(const std::wstring& cls, const wchar_t* name) {
    return lstrcmpiW(cls.c_str(), name) == 0;
}

std::string Describe(HWND h) {
    std::wstring cls = ClassOf(h);
    RECT r{};
    GetWindowRect(h, &r);
    DWORD pid = 0;
    DWORD tid = GetWindowThreadProcessId(h, &pid);
    LONG style = GetWindowLongW(h, GWL_STYLE);
    Obj o;
    o.Hwnd("hwnd", h)
        .Hwnd("parent", GetAncestor(h, GA_PARENT))  // the desktop window for a top-level one
        .Hwnd("root", GetAncestor(h, GA_ROOT))
        .Num("id", static_cast<long long>(GetWindowLongPtrW(h, GWLP_ID)))
        .Str("class", cls)
        .Str("text", TextOf(h))
        .Bool("visible", IsWindowVisible(h) != FALSE)
        .Bool("enabled", IsWindowEnabled(h) != FALSE)
        .Num("style", static_cast<long long>(static_cast<DWORD>(style)))
        .Num("pid", pid)
        .Num("tid", tid)
        .Raw("rect", RectJson(r))
        .Raw("client", ClientJson(h));
    if (ClassIs(cls, L"Button")) {
        o.Num("check", SendOr(h, BM_GETCHECK, 0, 0, -1));
    } else if (ClassIs(cls, L"ComboBox")) {
        long long count = 0;
        std::string items = ItemsJson(h, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, &count);
        o.Num("selected", SendOr(h, CB_GETCURSEL, 0, 0, -1))
            .Num("count", count)
            .Raw("items", items)
            .Bool("dropped", SendOr(h, CB_GETDROPPEDSTATE, 0, 0, 0) != 0);
    } else if (ClassIs(cls, L"ListBox") || ClassIs(cls, L"ComboLBox")) {
        long long count = 0;
        std::string items = ItemsJson(h, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, &count);
        o.Num("selected", SendOr(h, LB_GETCURSEL, 0, 0, -1)).Num("count", count).Raw("items", items);
    }
    return o.str();
}

// ---- memory in another process, for the common controls that take pointers ---------------

class RemoteBuffer {
public:
    RemoteBuffer(HWND h, SIZE_T size) : size_(size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               pid);
        if (!process_) throw Failure("OpenProcess failed");
        mem_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (!mem_) {
            CloseHandle(process_);
            throw Failure("VirtualAllocEx failed");
        }
    }
    ~RemoteBuffer() {
        VirtualFreeEx(process_, mem_, 0, MEM_RELEASE);
        CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    char* at(SIZE_T offset) const { return static_cast<char*>(mem_) + offset; }
    void Write(SIZE_T offset, const void* data, SIZE_T n) const {
        if (!WriteProcessMemory(process_, at(offset), data, n, nullptr))
            throw Failure("WriteProcessMemory failed");
    }
    void Read(SIZE_T offset, void* data, SIZE_T n) const {
        if (!ReadProcessMemory(process_, at(offset), data, n, nullptr))
            throw Failure("ReadProcessMemory failed");
    }

private:
    SIZE_T size_;
    HANDLE process_ = nullptr;
    void* mem_ = nullptr;
};

constexpr int kRemoteTextChars = 1024;

std::string TreeJson(HWND tv) {
    RemoteBuffer buf(tv, sizeof(TVITEMW) + kRemoteTextChars * sizeof(wchar_t));
    const SIZE_T textOffset = sizeof(TVITEMW);
    auto next = [&](UINT flag, HTREEITEM item) {
        return reinterpret_cast<HTREEITEM>(
            SendOr(tv, TVM_GETNEXTITEM, flag, reinterpret_cast<LPARAM>(item), 0));
    };
    HTREEITEM selected = next(TVGN_CARET, nullptr);
    std::vector<std::string> items;
    // Depth first, in display order, every item the view holds (collapsed branches included;
    // a view that fills a branch only when it opens has no items there yet): a stack of
    // (item, level) with the next item on top.
    std::vector<std::pair<HTREEITEM, int>> pending;
    auto pushChildren = [&](HTREEITEM parent, int level) {
        std::vector<HTREEITEM> kids;
        for (HTREEITEM c = next(parent ? TVGN_CHILD : TVGN_ROOT, parent);
             c && static_cast<long long>(kids.size()) < kMaxItems; c = next(TVGN_NEXT, c))
            kids.push_back(c);
        for (auto k = kids.rbegin(); k != kids.rend(); ++k) pending.emplace_back(*k, level);
    };
    pushChildren(nullptr, 0);
    while (!pending.empty() && static_cast<long long>(items.size()) < kMaxItems) {
        auto [item, level] = pending.back();
        pending.pop_back();
        TVITEMW it{};
        it.mask = TVIF_TEXT | TVIF_STATE | TVIF_CHILDREN | TVIF_HANDLE;
        it.hItem = item;
        it.stateMask = TVIS_EXPANDED | TVIS_SELECTED | TVIS_BOLD;
        it.pszText = reinterpret_cast<LPWSTR>(buf.at(textOffset));
        it.cchTextMax = kRemoteTextChars;
        buf.Write(0, &it, sizeof it);
        wchar_t text[kRemoteTextChars] = {};
        if (SendOr(tv, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(buf.at(0)), 0)) {
            buf.Read(0, &it, sizeof it);
            buf.Read(textOffset, text, sizeof text);
            text[kRemoteTextChars - 1] = 0;
        }
        // The item's label rectangle on the screen (empty for items in collapsed branches).
        RECT r{};
        buf.Write(0, &item, sizeof item);  // TVM_GETITEMRECT takes the item in the rectangle
        if (SendOr(tv, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(buf.at(0)), 0)) {
            buf.Read(0, &r, sizeof r);
            MapWindowPoints(tv, nullptr, reinterpret_cast<POINT*>(&r), 2);
        } else {
            r = RECT{};
        }
        items.push_back(Obj()
                            .Raw("rect", RectJson(r))
                            .Num("item", static_cast<long long>(reinterpret_cast<uintptr_t>(item)))
                            .Num("level", level)
                            .Str("text", std::wstring(text))
                            .Bool("expanded", (it.state & TVIS_EXPANDED) != 0)
                            .Bool("selected", item == selected)
                            .Bool("haschildren", it.cChildren != 0)
                            .str());
        pushChildren(item, level + 1);
    }
    return Obj()
        .Bool("ok", true)
        .Num("selected", static_cast<long long>(reinterpret_cast<uintptr_t>(selected)))
        .Raw("items", Array(items))
        .str();
}

std::string ListViewJson(HWND lv) {
    RemoteBuffer buf(lv, sizeof(LVITEMW) + kRemoteTextChars * sizeof(wchar_t));
    const SIZE_T textOffset = sizeof(LVITEMW);
    HWND header = reinterpret_cast<HWND>(SendOr(lv, LVM_GETHEADER, 0, 0, 0));
    long long columns = header ? SendOr(header, HDM_GETITEMCOUNT, 0, 0, 1) : 1;
    if (columns < 1) columns = 1;
    long long count = SendOr(lv, LVM_GETITEMCOUNT, 0, 0, 0);
    std::vector<std::string> rows;
    for (long long i = 0; i < count && i < kMaxItems; ++i) {
        std::vector<std::string> cells;
        for (long long c = 0; c < columns; ++c) {
            LVITEMW it{};
            it.iSubItem = static_cast<int>(c);
            it.pszText = reinterpret_cast<LPWSTR>(buf.at(textOffset));
            it.cchTextMax = kRemoteTextChars;
            buf.Write(0, &it, sizeof it);
            wchar_t text[kRemoteTextChars] = {};
            LRESULT n = SendOr(lv, LVM_GETITEMTEXTW, static_cast<WPARAM>(i),
                               reinterpret_cast<LPARAM>(buf.at(0)), 0);
            if (n > 0) buf.Read(textOffset, text, sizeof text);
            text[kRemoteTextChars - 1] = 0;
            cells.push_back(Quote(std::wstring(text)));
        }
        LRESULT state = SendOr(lv, LVM_GETITEMSTATE, static_cast<WPARAM>(i),
                               LVIS_SELECTED | LVIS_FOCUSED, 0);
        rows.push_back(Obj()
                           .Num("index", i)
                           .Raw("texts", Array(cells))
                           .Bool("selected", (state & LVIS_SELECTED) != 0)
                           .Bool("focused", (state & LVIS_FOCUSED) != 0)
                           .str());
    }
    return Obj().Bool("ok", true).Num("count", count).Num("columns", columns)
        .Raw("items", Array(rows)).str();
}

// ---- commands -----------------------------------------------------------------------------

BOOL CALLBACK CollectWindow(HWND h, LPARAM lp) {
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(h);
    return TRUE;
}

std::string CmdWindows() {
    std::vector<HWND> all;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
    std::vector<std::string> out;
    for (HWND h : all) {
        RECT r{};
        GetWindowRect(h, &r);
        DWORD pid = 0;
        DWORD tid = GetWindowThreadProcessId(h, &pid);
        // The X11 window that Wine made for it, for xdotool (0 if it has none).
        auto xid = reinterpret_cast<uintptr_t>(GetPropW(h, L"__wine_x11_whole_window"));
        out.push_back(Obj()
                          .Hwnd("hwnd", h)
                          .Str("class", ClassOf(h))
                          .Str("title", TitleOf(h))
                          .Bool("visible", IsWindowVisible(h) != FALSE)
                          .Bool("enabled", IsWindowEnabled(h) != FALSE)
                          .Hwnd("owner", GetWindow(h, GW_OWNER))
                          .Num("pid", pid)
                          .Num("tid", tid)
                          .Num("style", static_cast<long long>(
                                            static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE))))
                          .Num("exstyle", static_cast<long long>(
                                              static_cast<DWORD>(GetWindowLongW(h, GWL_EXSTYLE))))
                          .Num("xid", static_cast<long long>(xid))
                          .Raw("rect", RectJson(r))
                          .Raw("client", ClientJson(h))
                          .str());
    }
    return Obj().Bool("ok", true).Raw("windows", Array(out)).str();
}

std::string CmdChildren(HWND h) {
    std::vector<HWND> all;
    EnumChildWindows(h, CollectWindow, reinterpret_cast<LPARAM>(&all));
    std::vector<std::string> out;
    for (HWND c : all) out.push_back(Describe(c));
    return Obj().Bool("ok", true).Raw("children", Array(out)).str();
}

std::string CmdSend(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    DWORD_PTR r = 0;
    bool ok = Send(h, msg, wp, lp, &r);
    return Obj()
        .Bool("ok", true)
        .Bool("timeout", !ok)
        .Num("result", static_cast<long long>(static_cast<LRESULT>(r)))
        .str();
}

// Tells the parent what a user's choice would have told it.
std::string Notify(HWND h, WORD code) {
    HWND parent = GetAncestor(h, GA_PARENT);
    auto id = static_cast<WORD>(GetWindowLongPtrW(h, GWLP_ID));
    return CmdSend(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(h));
}

std::string CmdForeground() {
    HWND fg = GetForegroundWindow();
    Obj o;
    o.Bool("ok", true).Hwnd("hwnd", fg);
    if (fg) {
        o.Str("class", ClassOf(fg)).Str("title", TitleOf(fg));
        GUITHREADINFO gti{};
        gti.cbSize = sizeof gti;
        if (GetGUIThreadInfo(GetWindowThreadProcessId(fg, nullptr), &gti)) {
            o.Hwnd("active", gti.hwndActive)
                .Hwnd("focus", gti.hwndFocus)
                .Str("focusclass", gti.hwndFocus ? ClassOf(gti.hwndFocus) : std::wstring())
                .Num("focusid", gti.hwndFocus
                                    ? static_cast<long long>(GetWindowLongPtrW(gti.hwndFocus,
                                                                               GWLP_ID))
                                    : 0)
                .Hwnd("capture", gti.hwndCapture)
                .Hwnd("menuowner", gti.hwndMenuOwner)
                .Bool("inmenu", (gti.flags & GUI_INMENUMODE) != 0);
        }
    }
    return o.str();
}

// Activation is left to the window's own thread (plain SetForegroundWindow): only that
// thread's process can move the X focus under Wine. A control inside the active window then
// gets the focus through attached input.
std::string CmdFocus(HWND h) {
    HWND top = GetAncestor(h, GA_ROOT);
    BOOL fg = TRUE;
    if (GetForegroundWindow() != top) fg = SetForegroundWindow(top);
    DWORD them = GetWindowThreadProcessId(top, nullptr);
    GUITHREADINFO gti{};
    gti.cbSize = sizeof gti;
    if (h != top && GetForegroundWindow() == top && GetGUIThreadInfo(them, &gti) &&
        gti.hwndFocus != h) {
        DWORD me = GetCurrentThreadId();
        if (AttachThreadInput(me, them, TRUE)) {
            SetFocus(h);
            AttachThreadInput(me, them, FALSE);
        }
    }
    gti = GUITHREADINFO{};
    gti.cbSize = sizeof gti;
    GetGUIThreadInfo(them, &gti);
    return Obj().Bool("ok", true).Bool("foreground", fg != FALSE).Hwnd("focus", gti.hwndFocus)
        .str();
}

// A 24-bit bottom-up DIB section selected into a memory DC, written out as a BMP file.
class Picture {
public:
    Picture(int width, int height) {
        bih_.biSize = sizeof bih_;
        bih_.biWidth = width;
        bih_.biHeight = height;  // bottom-up, as a BMP file stores it
        bih_.biPlanes = 1;
        bih_.biBitCount = 24;
        bih_.biCompression = BI_RGB;
        bih_.biSizeImage = ((static_cast<DWORD>(width) * 3 + 3) & ~3u) *
                           static_cast<DWORD>(height);
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bmp_ = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&bih_), DIB_RGB_COLORS,
                                &bits_, nullptr, 0);
        ReleaseDC(nullptr, screen);
        if (!dc_ || !bmp_) throw Failure("cannot make a bitmap");
        old_ = SelectObject(dc_, bmp_);
    }
    ~Picture() {
        SelectObject(dc_, old_);
        DeleteObject(bmp_);
        DeleteDC(dc_);
    }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    HDC dc() const { return dc_; }

    bool Blank() const {
        GdiFlush();
        const auto* px = static_cast<const unsigned char*>(bits_);
        for (DWORD i = 0; i < bih_.biSizeImage; ++i)
            if (px[i] != 0) return false;
        return true;
    }

    void Save(const std::wstring& path) const {
        GdiFlush();
        BITMAPFILEHEADER bfh{};
        bfh.bfType = 0x4D42;  // "BM"
        bfh.bfOffBits = sizeof bfh + sizeof bih_;
        bfh.bfSize = bfh.bfOffBits + bih_.biSizeImage;
        HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        bool written = false;
        if (f != INVALID_HANDLE_VALUE) {
            DWORD n = 0;
            written = WriteFile(f, &bfh, sizeof bfh, &n, nullptr) &&
                      WriteFile(f, &bih_, sizeof bih_, &n, nullptr) &&
                      WriteFile(f, bits_, bih_.biSizeImage, &n, nullptr);
            CloseHandle(f);
        }
        if (!written) throw Failure("cannot write " + Utf8(path));
    }

private:
    BITMAPINFOHEADER bih_{};
    HDC dc_ = nullptr;
    HBITMAP bmp_ = nullptr;
    HGDIOBJ old_ = nullptr;
    void* bits_ = nullptr;
};

std::string CmdCapture(HWND h, const std::wstring& path) {
    RECT r{};
    GetWindowRect(h, &r);
    if (r.right <= r.left || r.bottom <= r.top) throw Failure("window has no area");
    {
        Picture whole(r.right - r.left, r.bottom - r.top);
        if (PrintWindow(h, whole.dc(), 0) && !whole.Blank()) {
            whole.Save(path);
            return Obj().Bool("ok", true).Str("method", std::string("print"))
                .Raw("rect", RectJson(r)).str();
        }
    }
    // A window of another process can't paint into our DC under Wine: PrintWindow leaves the
    // bitmap black. Copy what the screen shows at the window's place instead.
    Picture shown(r.right - r.left, r.bottom - r.top);
    HDC screen = GetDC(nullptr);
    BitBlt(shown.dc(), 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    shown.Save(path);
    return Obj().Bool("ok", true).Str("method", std::string("screen")).Raw("rect", RectJson(r))
        .str();
}

std::string CmdProcesses() {
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE) throw Failure("CreateToolhelp32Snapshot failed");
    std::vector<std::string> out;
    PROCESSENTRY32W pe{};
    pe.dwSize = sizeof pe;
    for (BOOL more = Process32FirstW(snap, &pe); more; more = Process32NextW(snap, &pe))
        out.push_back(Obj()
                          .Num("pid", pe.th32ProcessID)
                          .Num("parent", pe.th32ParentProcessID)
                          .Str("exe", std::wstring(pe.szExeFile))
                          .str());
    CloseHandle(snap);
    return Obj().Bool("ok", true).Raw("processes", Array(out)).str();
}

std::string CmdKill(DWORD pid) {
    HANDLE p = OpenProcess(PROCESS_TERMINATE, FALSE, pid);
    if (!p) throw Failure("no such process");
    BOOL ok = TerminateProcess(p, 1);
    CloseHandle(p);
    if (!ok) throw Failure("TerminateProcess failed");
    return Obj().Bool("ok", true).str();
}

// Microseconds of the performance counter, which every process of the machine shares: target.exe
// stamps the arrival of text with it.
long long NowMicroseconds() {
    LARGE_INTEGER now{}, frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<long long>(static_cast<double>(now.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart));
}

void SendKey(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

// A key pressed and released in the window that has the keyboard focus, as a person would press
// it; answers the moment just before the press.
std::string CmdKeyTime(WORD vk) {
    const long long at = NowMicroseconds();
    SendKey(vk, false);
    SendKey(vk, true);
    return Obj().Bool("ok", true).Raw("time_us", std::to_string(at)).str();
}

// Text delivered to the window in front without a program in between, for the benchmark's
// floor: "paste" puts it on the clipboard and presses Ctrl+V, "type" types each character with
// its key (Shift where the layout needs it; Enter for CR, LF skipped). One event per call, as
// the delivery sends them. Answers the moment before the first step.
std::string CmdDeliver(const std::string& how, const std::wstring& text) {
    const long long at = NowMicroseconds();
    if (how == "paste") {
        for (int attempt = 0; attempt < 20 && !OpenClipboard(nullptr); ++attempt) Sleep(25);
        EmptyClipboard();
        const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
        memcpy(GlobalLock(memory), text.c_str(), bytes);
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
        SendKey(VK_CONTROL, false);
        SendKey('V', false);
        SendKey(VK_CONTROL, true);
        SendKey('V', true);
    } else if (how == "type") {
        for (wchar_t c : text) {
            if (c == L'\n') continue;
            const SHORT scan = VkKeyScanW(c);
            if (scan == -1) throw Failure("no key for a character");
            const bool shift = (scan & 0x100) != 0;
            if (shift) SendKey(VK_SHIFT, false);
            SendKey(static_cast<WORD>(scan & 0xFF), false);
            SendKey(static_cast<WORD>(scan & 0xFF), true);
            if (shift) SendKey(VK_SHIFT, true);
        }
    } else {
        throw Failure("deliver paste|type TEXT");
    }
    return Obj().Bool("ok", true).Raw("time_us", std::to_string(at)).str();
}

std::string Run(const std::string& line, bool* quit) {
    Args a(line);
    const std::string cmd = a.Word();
    auto number = [&](const char* what) { return a.Number(what); };

    if (cmd == "windows") return CmdWindows();
    if (cmd == "info") return Obj().Bool("ok", true).Raw("window", Describe(a.Window())).str();
    if (cmd == "children") return CmdChildren(a.Window());
    if (cmd == "tree") return TreeJson(a.Window());
    if (cmd == "listview") return ListViewJson(a.Window());
    if (cmd == "click") {
        HWND h = a.Window();
        return Obj().Bool("ok", PostMessageW(h, BM_CLICK, 0, 0) != FALSE).str();
    }
    if (cmd == "settext") {
        HWND h = a.Window();
        std::wstring text = a.Text();
        return CmdSend(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    if (cmd == "cbselect" || cmd == "lbselect") {
        const bool combo = cmd == "cbselect";
        HWND h = a.Window();
        auto index = static_cast<WPARAM>(number("index"));
        LRESULT r = SendOr(h, combo ? CB_SETCURSEL : LB_SETCURSEL, index, 0, -2);
        if (r == -2) throw Failure("window does not answer");
        return Notify(h, combo ? CBN_SELCHANGE : LBN_SELCHANGE);
    }
    if (cmd == "cbdropdown") {
        HWND h = a.Window();
        std::string how = a.AtEnd() ? "both" : a.Word();
        if (how != "both" && how != "open" && how != "close") throw Failure("open, close or both");
        DWORD_PTR r = 0;
        if (how != "close" && !Send(h, CB_SHOWDROPDOWN, TRUE, 0, &r))
            throw Failure("window does not answer");
        if (how != "open" && !Send(h, CB_SHOWDROPDOWN, FALSE, 0, &r))
            throw Failure("window does not answer");
        return Obj().Bool("ok", true).str();
    }
    if (cmd == "tvselect") {
        HWND h = a.Window();
        auto item = static_cast<LPARAM>(number("item"));
        return CmdSend(h, TVM_SELECTITEM, TVGN_CARET, item);
    }
    if (cmd == "post" || cmd == "send") {
        HWND h = a.Window();
        auto msg = static_cast<UINT>(number("MSG"));
        auto wp = static_cast<WPARAM>(number("WPARAM"));
        auto lp = static_cast<LPARAM>(number("LPARAM"));
        if (cmd == "send") return CmdSend(h, msg, wp, lp);
        return Obj().Bool("ok", PostMessageW(h, msg, wp, lp) != FALSE).str();
    }
    if (cmd == "dpichanged") {
        HWND h = a.Window();
        auto dpi = static_cast<WORD>(number("DPI"));
        RECT suggested{};
        suggested.left = static_cast<LONG>(number("LEFT"));
        suggested.top = static_cast<LONG>(number("TOP"));
        suggested.right = static_cast<LONG>(number("RIGHT"));
        suggested.bottom = static_cast<LONG>(number("BOTTOM"));
        RemoteBuffer buf(h, sizeof suggested);
        buf.Write(0, &suggested, sizeof suggested);
        return CmdSend(h, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(buf.at(0)));
    }
    if (cmd == "foreground") return CmdForeground();
    if (cmd == "clipboard") {
        // The clipboard's text (CF_UNICODETEXT), or null when it holds none.
        std::wstring text;
        bool has = false;
        for (int attempt = 0; attempt < 20 && !OpenClipboard(nullptr); ++attempt) Sleep(25);
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
                text = chars;
                has = true;
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
        return has ? Obj().Bool("ok", true).Str("text", text).str() : Obj().Bool("ok", true).Raw("text", "null").str();
    }
    if (cmd == "clipboard_formats") {
        // Every format on the clipboard, in order: a registered one by its name, a predefined one
        // by its number; with the first DWORD of its data where it holds one ("Name=0").
        std::vector<std::string> formats;
        for (int attempt = 0; attempt < 20 && !OpenClipboard(nullptr); ++attempt) Sleep(25);
        for (UINT format = EnumClipboardFormats(0); format; format = EnumClipboardFormats(format)) {
            wchar_t name[256] = {};
            std::wstring item = GetClipboardFormatNameW(format, name, 256) > 0 ? name : std::to_wstring(format);
            if (format >= 0xC000) {
                if (HANDLE data = GetClipboardData(format)) {
                    if (GlobalSize(data) >= sizeof(DWORD)) {
                        if (const auto* value = static_cast<const DWORD*>(GlobalLock(data))) {
                            item += L"=" + std::to_wstring(*value);
                            GlobalUnlock(data);
                        }
                    }
                }
            }
            formats.push_back(Quote(item));
        }
        CloseClipboard();
        return Obj().Bool("ok", true).Raw("formats", Array(formats)).str();
    }
    if (cmd == "keytime") return CmdKeyTime(static_cast<WORD>(number("VK")));
    if (cmd == "deliver") {
        const std::string how = a.Word();
        return CmdDeliver(how, a.Text());
    }
    if (cmd == "focus") return CmdFocus(a.Window());
    if (cmd == "capture") {
        HWND h = a.Window();
        return CmdCapture(h, a.Text());
    }
    if (cmd == "processes") return CmdProcesses();
    if (cmd == "kill") return CmdKill(static_cast<DWORD>(number("pid")));
    if (cmd == "quit") {
        *quit = true;
        return Obj().Bool("ok", true).str();
    }
    throw Failure("unknown command: " + cmd);
}

void Answer(const std::string& json) {
    std::fwrite(json.data(), 1, json.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

}  // namespace

int main() {
    _setmode(_fileno(stdout), _O_BINARY);
    Answer(Obj().Bool("ok", true).Bool("ready", true).Num("pid", GetCurrentProcessId()).str());
    std::string line;
    bool quit = false;
    while (!quit && std::getline(std::cin, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
        if (line.empty()) continue;
        try {
            Answer(Run(line, &quit));
        } catch (const std::exception& e) {
            Answer(Obj().Bool("ok", false).Str("error", std::string(e.what())).str());
        }
    }
    return 0;
}
