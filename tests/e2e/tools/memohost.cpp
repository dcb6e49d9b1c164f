// memohost.exe [prompt] [keywords] | bench HITS: the memo search and the keyword search window
// for real, without the archive window around them.
//
// Shows a window (class "MemoHost", title "Memo") with a multi-line edit control (id 100) that
// holds kText, and a MemoSearchView attached to it as the archive window sets it up (Ctrl+F,
// Ctrl+H, F3, no hiding after a search, no replace count); "prompt" asks before each replacement.
// "keywords" adds a small archive in a tree view (id 101) and a button "Schlagwortsuche" (id 102)
// that opens a keyword search window over it; a selection made there goes out through
// OutputDebugStringW as "memohost: select <name>". The start is reported as "memohost: ready".
//
// "bench HITS" fills the memo with about 1 MB of lines holding HITS times "Wort", replaces all of
// them in the memo through the memo search, reports "memohost: bench hits=H replaced=R ms=T" and
// ends.

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>

#include "archive/MemoSearch_win.h"
#include "archive/TfrmKeywords_win.h"
#include "data/ArchiveData.h"
#include "platform/win32/Win32Services_win.h"
#include "support/MemoBody.h"
#include "ui/win32/Form_win.h"
#include "ui/win32/MessageLoop_win.h"
#include "ui/win32/Text_win.h"
#include "ui/win32/TreeViewFill_win.h"

namespace {

using namespace fenu;

constexpr const char* kText = "Haus Maus\r\nHaus Maus\r\nDer Rat im Rathaus";
constexpr int kMemo = 100;
constexpr int kTree = 101;
constexpr int kKeywordButton = 102;

void Trace(const std::string& line) { OutputDebugStringW((L"memohost: " + ui::ToWide(line) + L"\n").c_str()); }

// A small archive shown in a tree view:
// Archiv / Angebot "Müller Angebot", Briefe / (Kanzlei "Kanzlei", Mahnung "Sammelrechnung"),
// Rechnung "Rechnungen 2024".
class Archive : public IArchiveTreeAccess {
 public:
  Archive() {
    TreeNode& root = tree_.AddChild(nullptr, "Archiv");
    root.expanded = true;
    Text(root, "Angebot", "M\xFCller Angebot");
    TreeNode& folder = tree_.AddChild(&root, "Briefe");
    folder.expanded = true;
    SetArchiveData(folder, ArchiveData{});
    Text(folder, "Kanzlei", "Kanzlei");
    Text(folder, "Mahnung", "Sammelrechnung");
    Text(root, "Rechnung", "Rechnungen 2024");
  }
  void Show(HWND view) {
    view_ = view;
    ui::FillTreeView(view_, tree_, items_);
  }
  const TTreeViewEx& ArchiveTree() const override { return tree_; }
  void SelectAsClick(TreeNode* node) override {
    tree_.SetSelected(node);
    ui::SelectTreeItem(view_, tree_, items_);
    Trace("select " + node->text);
  }

 private:
  void Text(TreeNode& parent, const std::string& name, const std::string& keywords) {
    SetArchiveData(tree_.AddChild(&parent, name), ArchiveData{name + ".txt", keywords});
  }

  TTreeViewEx tree_;
  HWND view_ = nullptr;
  ui::TreeItems items_;
};

class Host : public ui::Form {
 public:
  Host(Services& services, bool keywords, bool prompt)
      : Form(L"MemoHost", keywords ? 480 : 320, 300), services_(services), search_(services), keywords_(keywords) {
    TMemoSearch& search = search_.Logic();
    search.ReplaceKey = kShortCutCtrl | 'H';
    search.HideAfterSearch = false;
    search.Options = frDown | frFindNext | frReplace | frReplaceAll;
    search.PromptReplace = prompt;
    search.ShowReplaceCount = false;
  }
  ~Host() override { search_.Attach(nullptr); }

  HWND Memo() const { return Item(kMemo); }
  MemoSearchView& Search() { return search_; }

 protected:
  void OnCreate() override {
    SetCaption("Memo");
    AddControl(kMemo, L"EDIT", kText, WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL, 8, 8,
               304, 284, WS_EX_CLIENTEDGE);
    search_.Attach(Item(kMemo));
    if (keywords_) {
      HWND tree = AddControl(kTree, WC_TREEVIEWW, "",
                             WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS, 320, 8,
                             152, 246, WS_EX_CLIENTEDGE);
      archive_.Show(tree);
      AddButton(kKeywordButton, "Schlagwortsuche", 320, 264, 152, 28);
    }
  }
  HWND InitialFocus() override { return Item(kMemo); }
  bool OnCommand(int id, int code, HWND) override {
    if (id != kKeywordButton || code != BN_CLICKED) return false;
    RECT tree{};
    GetWindowRect(Item(kTree), &tree);
    ShowKeywordWindow(Handle(), POINT{tree.left, tree.top}, archive_, services_, "");
    return true;
  }
  bool OnCloseQuery(int) override {
    PostQuitMessage(0);
    return true;
  }

 private:
  Services& services_;
  MemoSearchView search_;
  Archive archive_;
  bool keywords_;
};

int Bench(Host& host, std::size_t hits) {
  ui::SetText(host.Memo(), test::MemoBodyWithHits(hits));
  LARGE_INTEGER frequency{};
  LARGE_INTEGER start{};
  LARGE_INTEGER end{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  host.Search().Logic().Replace("Wort");  // with the archive's options: replace all, with nothing
  QueryPerformanceCounter(&end);
  const double ms = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
  Trace("bench hits=" + std::to_string(hits) + " replaced=" + std::to_string(host.Search().Logic().ReplaceCount()) +
        " ms=" + std::to_string(static_cast<long long>(ms)));
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv) return 2;
  bool keywords = false;
  bool prompt = false;
  std::size_t benchHits = 0;
  for (int i = 1; i < argc; ++i) {
    const std::wstring arg = argv[i];
    if (arg == L"keywords") keywords = true;
    else if (arg == L"prompt") prompt = true;
    else if (arg == L"bench" && i + 1 < argc) benchHits = std::wcstoul(argv[++i], nullptr, 10);
    else return 2;
  }
  LocalFree(argv);

  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  win32::Win32Services services;
  Host host(services.services, keywords, prompt);
  host.ShowModeless(nullptr);
  if (benchHits > 0) return Bench(host, benchHits);
  Trace("ready");
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) ui::DispatchLoopMessage(msg);
  return 0;
}
