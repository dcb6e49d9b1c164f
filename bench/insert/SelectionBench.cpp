// The selection window on a database of 10,000 blocks: opening it (settings, the tree file with
// the hidden-entry veto, the first list), and the text search through all 10,000 block files.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "insert/TfrmListe.h"
#include "insert/TfrmSearch.h"
#include "platform/fake/FakeServices.h"
#include "data/Database.h"

namespace fenu {
namespace {

struct NoInsert : IBlockInserter {
  void Insert(const std::string&, const std::string&, WindowHandle) override {}
};

// 100 folders of 100 blocks, each block with a text file of a few lines.
struct BigDatabase {
  std::filesystem::path dir;
  std::string appDir;

  BigDatabase() : dir(std::filesystem::temp_directory_path() / ("fenu-bench-liste-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(dir / "Daten" / "Bausteine");
    appDir = dir.string() + "/";
    BlockDatabase db(appDir);
    TTreeViewEx& tree = db.Tree();
    UseBlockDataSize(tree);
    TreeNode& base = tree.AddChild(nullptr, "Bausteine");
    for (int f = 0; f < 100; ++f) {
      TreeNode& folder = tree.AddChild(&base, "Ordner " + std::to_string(f));
      folder.imageIndex = kImageFolder;
      SetBlockData(folder, NewBlockData());
      for (int b = 0; b < 100; ++b) {
        const std::string file = "B" + std::to_string(100000 + f * 100 + b) + ".txt";
        TreeNode& block = tree.AddChild(&folder, "Baustein " + std::to_string(b));
        block.imageIndex = kImageBlock;
        BlockData data = NewBlockData();
        data.textFileName = file;
        SetBlockData(block, data);
        std::ofstream(dir / "Daten" / "Bausteine" / file, std::ios::binary)
            << "Sehr geehrte Damen und Herren,\r\nvielen Dank für Ihre Anfrage vom <<DatumNormal|-3>>.\r\n"
               "Wir melden uns in Kürze.\r\nMit freundlichen Grüßen";
      }
    }
    db.SaveDatabase(appDir + "Daten/Big.bdb");
    std::ofstream(dir / "fenu.ini", std::ios::binary) << "[Main]\r\nCurrentDB=" << appDir << "Daten/Big.bdb\r\n";
  }
  ~BigDatabase() { std::filesystem::remove_all(dir); }
};

BigDatabase& Database() {
  static BigDatabase database;
  return database;
}

void OpenSelectionWindow(benchmark::State& state) {
  BigDatabase& db = Database();
  FakeServices fake;
  NoInsert inserter;
  for (auto _ : state) {
    TfrmListe form(fake.services, inserter, db.appDir, 0);
    form.FormCreate();
    form.FormShow();
    benchmark::DoNotOptimize(form.lv_Link.size());
  }
}
BENCHMARK(OpenSelectionWindow)->Unit(benchmark::kMillisecond);

void SearchAllBlockTexts(benchmark::State& state) {
  BigDatabase& db = Database();
  FakeServices fake;
  NoInsert inserter;
  TfrmListe form(fake.services, inserter, db.appDir, 0);
  form.FormCreate();
  form.FormShow();
  for (auto _ : state) {
    TfrmSearch search(fake.services, form);
    search.txtKeyword = "Übermorgen";  // in no block: every file is read
    search.btnOkClick();
    fake.log.clear();
  }
}
BENCHMARK(SearchAllBlockTexts)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fenu
