// An archive of 10,000 texts in 100 folders. Opening it and walking all
// of it by keyword are measured against their floor: reading the file's bytes, and a plain loop
// over the nodes. Replace-all in a body of 1 MB is measured with 1,000 and 10,000 hits; its cost
// should grow with the hits, not with hits times the text. The step-by-step way (the whole memo
// text taken and searched again for every hit) is there for comparison.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "archive/KeywordSearch.h"
#include "archive/TMemoSearch.h"
#include "archive/TfrmVerwaltung.h"
#include "archive/TextMatch.h"
#include "core/Cp1252.h"
#include "core/FileIo.h"
#include "data/ArchiveStore.h"
#include "data/TextFiles.h"
#include "platform/fake/FakeKeyboard.h"
#include "platform/fake/FakeServices.h"
#include "support/MemoBody.h"

namespace fenu {
namespace {

constexpr int kFolders = 100;
constexpr int kTextsPerFolder = 100;

void Fill(TTreeViewEx& tree) {
  TreeNode& root = tree.AddChild(nullptr, "Archiv");
  for (int f = 0; f < kFolders; ++f) {
    TreeNode& folder = tree.AddChild(&root, "Ordner " + std::to_string(f));
    folder.imageIndex = kImageFolder;
    folder.selectedIndex = kImageFolderSelected;
    SetArchiveData(folder, ArchiveData{});
    for (int t = 0; t < kTextsPerFolder; ++t) {
      const int n = f * kTextsPerFolder + t;
      TreeNode& text = tree.AddChild(&folder, "Schreiben an Kunde " + std::to_string(n));
      text.imageIndex = kImageBlock;
      text.selectedIndex = kImageBlockSelected;
      SetArchiveData(text, ArchiveData{MakeTimeId(1 + n % 28, 1 + n % 12, 26, n % 24, n % 60, n % 1000) + ".txt",
                                       "Kunde " + std::to_string(n) + ", Rechnung, Mahnung, Angebot Sommer 2026"});
    }
  }
}

struct Folder {
  Folder() : path(std::filesystem::temp_directory_path() / ("fenu-bench-archive-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path);
  }
  ~Folder() { std::filesystem::remove_all(path); }
  std::string File(const std::string& name) const { return (path / name).string(); }
  std::filesystem::path path;
};

std::string WriteArchive(const Folder& folder) {
  ArchiveStore store;
  Fill(store.Tree());
  const std::string path = folder.File("Archiv.adb");
  store.SaveArchive(path);
  return path;
}

// The floor of opening: the file's bytes ...
void ArchiveReadBytes(benchmark::State& state) {
  Folder folder;
  const std::string path = WriteArchive(folder);
  for (auto _ : state) benchmark::DoNotOptimize(ReadFileBytes(path));
}
BENCHMARK(ArchiveReadBytes)->Unit(benchmark::kMillisecond);

// ... and a plain loop over the nodes.
void ArchiveNodeLoop(benchmark::State& state) {
  TTreeViewEx tree;
  Fill(tree);
  for (auto _ : state) {
    std::size_t sizes = 0;
    for (const TreeNode* node = tree.GetFirstNode(); node; node = node->GetNext()) sizes += node->text.size();
    benchmark::DoNotOptimize(sizes);
  }
}
BENCHMARK(ArchiveNodeLoop)->Unit(benchmark::kMillisecond);

// OpenArchive as the archive window calls it: read, check, load, select and expand the Root.
// Letting the tree go again belongs to closing the window and is not counted.
void ArchiveOpen(benchmark::State& state) {
  Folder folder;
  const std::string path = WriteArchive(folder);
  FakeServices fake;
  for (auto _ : state) {
    state.PauseTiming();
    auto store = std::make_unique<ArchiveStore>();
    state.ResumeTiming();
    store->OpenArchive(fake, path);
    benchmark::DoNotOptimize(store->Tree().Selected());
    state.PauseTiming();
    store.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(ArchiveOpen)->Unit(benchmark::kMillisecond);

// The archive window's opening as a whole: its settings, OpenArchive, and the Root's state.
void ArchiveWindowOpen(benchmark::State& state) {
  Folder folder;
  std::filesystem::create_directories(folder.path / "Daten");
  std::filesystem::rename(WriteArchive(folder), folder.path / "Daten" / "Archiv.adb");
  const std::string appDir = folder.path.string() + "/";
  FakeServices fake;
  FakeKeyboard keyboard;
  for (auto _ : state) {
    state.PauseTiming();
    auto window = std::make_unique<TfrmVerwaltung>(fake.services, keyboard, appDir);
    state.ResumeTiming();
    benchmark::DoNotOptimize(window->FormCreate());
    state.PauseTiming();
    window.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(ArchiveWindowOpen)->Unit(benchmark::kMillisecond);

// The keyword search walking the whole archive: a key that no entry has.
void ArchiveKeywordSearchAll(benchmark::State& state) {
  TTreeViewEx tree;
  Fill(tree);
  for (auto _ : state) {
    const KeywordSearchResult result = FindKeyword(tree, 0, "winter");
    benchmark::DoNotOptimize(result.notFound);
  }
}
BENCHMARK(ArchiveKeywordSearchAll)->Unit(benchmark::kMillisecond);

// A memo on a string, as a real edit control holds it.
class Memo : public IMemoSearchHost {
 public:
  std::string text;
  MemoRange selection;
  std::string MemoText() override { return text; }
  MemoRange MemoSelection() override { return selection; }
  void SelectInMemo(MemoRange range) override { selection = range; }
  void ReplaceInMemo(MemoRange range, std::string_view replacement) override {
    text.replace(range.start, range.length, replacement);
  }
  void FocusMemo() override {}
  void ShowDialog(bool, std::string_view, FindFlags, int) override {}
  void CloseDialog() override {}
  void ShowResult(std::string_view, std::string_view) override {}
  ReplaceAnswer AskReplace(std::size_t) override { return ReplaceAnswer::Yes; }
};

void ReplaceAll(benchmark::State& state) {
  const std::string body = test::MemoBodyWithHits(static_cast<std::size_t>(state.range(0)));
  Memo memo;
  TMemoSearch search(memo);
  search.HideAfterSearch = false;
  for (auto _ : state) {
    state.PauseTiming();
    memo.text = body;
    memo.selection = {};
    search.Replace("");
    state.ResumeTiming();
    search.DialogButton(TMemoSearch::Button::ReplaceAll, "wort", "Begriff", frDown);
  }
  state.counters["hits"] = static_cast<double>(search.ReplaceCount());
}
BENCHMARK(ReplaceAll)->ArgName("hits")->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// For comparison: every step takes the whole text, folds it and searches on from the last hit.
void ReplaceAllStepByStep(benchmark::State& state) {
  const std::string body = test::MemoBodyWithHits(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    Memo memo;
    memo.text = body;
    std::size_t cursor = 0;
    for (;;) {
      const std::string text = memo.MemoText();
      const std::string folded = UpperCaseAscii(text);
      const std::size_t at = FindForward(folded, cursor, "WORT", false, CharBefore(text, cursor));
      if (at == std::string::npos) break;
      memo.ReplaceInMemo({at, 4}, "Begriff");
      cursor = at + 7;
    }
    benchmark::DoNotOptimize(memo.text.size());
  }
}
BENCHMARK(ReplaceAllStepByStep)->ArgName("hits")->Arg(1000)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fenu
