// Loading and saving a building-block database of 10,000 blocks: 100 folders of 100 blocks
// each, every block with an abbreviation (the largest index a database of that size has).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "core/FileIo.h"
#include "platform/fake/FakeServices.h"
#include "data/Database.h"

namespace fenu {
namespace {

constexpr int kFolders = 100;
constexpr int kBlocksPerFolder = 100;

void Fill(TTreeViewEx& tree) {
  TreeNode& base = tree.AddChild(nullptr, "Bausteine");
  for (int f = 0; f < kFolders; ++f) {
    TreeNode& folder = tree.AddChild(&base, "Ordner " + std::to_string(f));
    folder.imageIndex = kImageFolder;
    folder.selectedIndex = kImageFolderSelected;
    BlockData folderData;
    folderData.preview = "-";
    SetBlockData(folder, folderData);
    for (int b = 0; b < kBlocksPerFolder; ++b) {
      const int n = f * kBlocksPerFolder + b;
      TreeNode& block = tree.AddChild(&folder, "Baustein Nummer " + std::to_string(n));
      block.imageIndex = kImageBlock;
      block.selectedIndex = kImageBlockSelected;
      BlockData data;
      data.textFileName = MakeTimeId(1 + n % 28, 1 + n % 12, 2026, n % 24, n % 60, n % 1000) + ".txt";
      data.quickKey = std::string(1, static_cast<char>('A' + b % 26));
      data.abbreviation = "k" + std::to_string(n);
      data.preview = "Sehr geehrte Damen und Herren, vielen Dank für Ihre";
      data.show = n % 10 == 0 ? "nein" : "ja";
      SetBlockData(block, data);
    }
  }
}

struct Folder {
  Folder() : path(std::filesystem::temp_directory_path() / ("fenu-bench-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path);
  }
  ~Folder() { std::filesystem::remove_all(path); }
  std::string File(const std::string& name) const { return (path / name).string(); }
  std::filesystem::path path;
};

void TreeSaveToBytes(benchmark::State& state) {
  TTreeViewEx tree;
  UseBlockDataSize(tree);
  Fill(tree);
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string out = tree.SaveToBytes();
    bytes = out.size();
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
  state.counters["file_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(TreeSaveToBytes)->Unit(benchmark::kMillisecond);

void TreeLoadFromBytes(benchmark::State& state) {
  TTreeViewEx source;
  UseBlockDataSize(source);
  Fill(source);
  const std::string bytes = source.SaveToBytes();
  TTreeViewEx tree;
  if (state.range(0)) RejectHiddenEntries(tree);  // as the selection window loads it
  for (auto _ : state) {
    tree.LoadFromBytes(bytes);
    benchmark::DoNotOptimize(tree.TopCount());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(TreeLoadFromBytes)->ArgName("veto")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// OpenDatabase: read the file, load the tree, select the base entry, count.
void OpenDatabase(benchmark::State& state) {
  Folder folder;
  BlockDatabase source(folder.path.string() + "/");
  Fill(source.Tree());
  source.SetAbbreviationIndex(folder.File("B.kdb"));
  source.SaveDatabase(folder.File("B.bdb"));
  FakeServices fake;
  BlockDatabase db(folder.path.string() + "/");
  for (auto _ : state) {
    db.OpenDatabase(fake, folder.File("B.bdb"));
    benchmark::DoNotOptimize(db.Counts());
  }
}
BENCHMARK(OpenDatabase)->Unit(benchmark::kMillisecond);

// SaveDatabase: new tree file flushed to the disk, old one to the backup, abbreviation index.
void SaveDatabase(benchmark::State& state) {
  Folder folder;
  BlockDatabase db(folder.path.string() + "/");
  Fill(db.Tree());
  db.SetAbbreviationIndex(folder.File("B.kdb"));
  for (auto _ : state) db.SaveDatabase(folder.File("B.bdb"));
}
BENCHMARK(SaveDatabase)->Unit(benchmark::kMillisecond);

void AbbreviationIndex(benchmark::State& state) {
  TTreeViewEx tree;
  Fill(tree);
  for (auto _ : state) benchmark::DoNotOptimize(AbbreviationIndexText(AbbreviationEntries(tree)));
}
BENCHMARK(AbbreviationIndex)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fenu
