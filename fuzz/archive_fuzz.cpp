// Feeds any bytes to the archive as the archive window opens it: a tree file at the archive's
// path. DamagedFileError is the only acceptable way to fail, and then nothing changed, in memory
// or in the file; what opens saves and opens again to the same bytes, its records read back as
// they are written, the keyword search finds exactly the entries whose keywords hold the key,
// and sorting and collecting the texts of deleted entries keep to the tree.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "archive/KeywordSearch.h"
#include "core/Cp1252.h"
#include "core/Errors.h"
#include "core/FileIo.h"
#include "data/ArchiveStore.h"
#include "data/DamagedFiles.h"
#include "data/TextFiles.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// The archive file exists: no dialog is ever asked.
class NoDialogs : public fenu::IDialogs {
 public:
  fenu::MsgResult MessageDlg(fenu::MsgKind, std::string_view, fenu::MsgButtons) override {
    std::abort();
  }
  bool InputQuery(std::string_view, std::string_view, std::string&) override { std::abort(); }
  bool OpenFile(const fenu::FileDialogOptions&, std::string&) override { std::abort(); }
  bool SaveFile(const fenu::FileDialogOptions&, std::string&) override { std::abort(); }
};

class PlainCollation : public fenu::ICollation {
 public:
  int CompareText(std::string_view a, std::string_view b) override { return fenu::CompareNoCase(a, b); }
  int CompareStr(std::string_view a, std::string_view b) override { return a.compare(b); }
};

const std::string& ArchivePath() {
  static const std::string path = [] {
    const auto dir = std::filesystem::temp_directory_path() / ("fenu-archive-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return (dir / "Archiv.adb").string();
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string& path = ArchivePath();
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }

  NoDialogs dialogs;
  fenu::ArchiveStore store;
  store.EnsureRoot("vorher");
  try {
    store.OpenArchive(dialogs, path);
  } catch (const fenu::DamagedFileError& e) {
    Check(std::string_view(e.what()).find("konnte nicht gelesen werden") != std::string_view::npos);
    Check(store.Tree().Count() == 1 && store.Tree().GetFirstNode()->text == "vorher" && store.ArchivePath().empty());
    Check(fenu::ReadFileBytes(path) == std::string(bytes));
    // Exactly the files a window refuses: not whole, or deeper than it shows.
    fenu::TTreeViewEx probe;
    probe.MaxLevels = fenu::kMaxDatabaseLevels;
    bool loads = true;
    try {
      probe.LoadFromBytes(bytes);
    } catch (const fenu::TreeFormatError&) {
      loads = false;
    }
    Check(!loads);
    return 0;
  }
  fenu::TTreeViewEx& tree = store.Tree();
  Check(tree.Selected() == tree.GetFirstNode());

  // Saved with 187 bytes per record, it opens to the same bytes again.
  const std::string saved = tree.SaveToBytes();
  fenu::TTreeViewEx again;
  fenu::UseArchiveDataSize(again);
  again.LoadFromBytes(saved);
  Check(again.SaveToBytes() == saved);

  std::size_t nodes = 0;
  for (const fenu::TreeNode* node = tree.GetFirstNode(); node; node = node->GetNext(), ++nodes) {
    if (!node->data) continue;
    const fenu::ArchiveData record = fenu::ArchiveData::FromBytes(*node->data);
    Check(fenu::ArchiveData::FromBytes(record.ToBytes()) == record);
    Check(record.keywords.size() <= fenu::kKeywordsField.capacity);
  }

  // The key: the first bytes of the input.
  const std::string key(bytes.substr(0, std::min<std::size_t>(bytes.size(), 2)));
  const auto hits = fenu::FindAllKeywords(tree, key);
  std::size_t expected = 0;
  for (const fenu::TreeNode* node = tree.GetFirstNode(); node; node = node->GetNext())
    if (node->data && fenu::UpperCaseAscii(fenu::ArchiveData::FromBytes(*node->data).keywords)
                              .find(fenu::UpperCaseAscii(key)) != std::string::npos)
      ++expected;
  Check(hits.size() == expected);
  const fenu::KeywordSearchResult first = fenu::FindKeyword(tree, 0, key);
  const auto after = std::find_if(hits.begin(), hits.end(),
                                  [&](const fenu::TreeNode* hit) { return fenu::AbsoluteIndex(tree, hit) > 0; });
  Check(first.hit == (after == hits.end() ? nullptr : *after));
  Check(first.notFound == (first.hit == nullptr && nodes > 1));

  PlainCollation collation;
  store.SortArchive(collation);
  Check(tree.Count() == nodes);
  for (std::size_t i = 0; i < tree.TopCount(); ++i) store.DeleteTextFiles(*tree.TopItem(i));
  for (const std::string& name : store.PendingDeletions()) Check(fenu::IsSafeTextFileName(name));
  return 0;
}
