// Feeds any bytes to `fenu-cli archive import`'s reader. ImportError is the only acceptable way
// to fail; a document that is taken dumps, and exported again (without text files) it imports to
// the same tree file.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "cli/ArchiveJson.h"
#include "data/ArchiveData.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

bool Import(const std::string& text, fenu::TTreeViewEx& tree, fenu::cli::ImportedTexts& texts) {
  fenu::cli::ArchiveRecordJson records;
  try {
    fenu::cli::ImportTree(fenu::cli::ParseJsonDocument(text), records, tree, texts);
  } catch (const fenu::cli::ImportError&) {
    return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  fenu::TTreeViewEx tree;
  fenu::UseArchiveDataSize(tree);
  fenu::cli::ImportedTexts texts;
  if (!Import(text, tree, texts)) return 0;

  for (const auto& [name, bytes] : texts.files) Check(!name.empty() && name.find('\\') == std::string::npos);
  fenu::cli::ArchiveRecordJson records;
  Check(fenu::cli::DumpTree(tree, records).size() == tree.TopCount());

  const std::string saved = tree.SaveToBytes();
  const std::string exported =
      fenu::cli::JsonText(fenu::cli::ExportTree(tree, "/fenu-archive-import-fuzz-nirgends/", records));
  fenu::TTreeViewEx again;
  fenu::UseArchiveDataSize(again);
  fenu::cli::ImportedTexts none;
  Check(Import(exported, again, none));
  Check(none.files.empty());
  Check(again.SaveToBytes() == saved);
  return 0;
}
