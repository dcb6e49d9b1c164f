#include "data/Database.h"

#include <filesystem>
#include <system_error>
#include <unordered_map>

#include "core/Cp1252.h"
#include "core/Errors.h"
#include "core/FileIo.h"
#include "data/DamagedFiles.h"
#include "core/SafeFile.h"

namespace fenu {
namespace fs = std::filesystem;

EntryKind KindOf(const TreeNode& node) {
  switch (node.imageIndex) {
    case kImageBase: return EntryKind::Base;
    case kImageFolder: return EntryKind::Folder;
    case kImageBlock: return EntryKind::Block;
    default: return EntryKind::Unknown;
  }
}

std::optional<BlockData> GetBlockData(const TreeNode& node) {
  if (!node.data) return std::nullopt;
  return BlockData::FromBytes(*node.data);
}

void SetBlockData(TreeNode& node, const BlockData& data) { node.data = data.ToBytes(); }

void UseBlockDataSize(TTreeViewEx& tree) {
  tree.OnRequestDataSize = [](const TTreeViewEx&, const TreeNode&, std::int32_t& size) { size = kBlockDataSize; };
}

bool IsHiddenEntry(const TreeNode& node) { return node.data && ReadRecordField(*node.data, kShowField) == kShowNo; }

void RejectHiddenEntries(TTreeViewEx& tree) {
  tree.OnNodeLoaded = [](TTreeViewEx&, TreeNode& node, bool& canLoad) {
    if (IsHiddenEntry(node)) canLoad = false;
  };
}

EntryCounts CountEntries(const TTreeViewEx& tree) {
  EntryCounts counts;
  for (const TreeNode* node = tree.GetFirstNode(); node; node = node->GetNext()) {
    if (node->imageIndex == kImageFolder) ++counts.folders;
    if (node->imageIndex == kImageBlock) ++counts.blocks;
  }
  return counts;
}

std::string AbbreviationIndexOf(std::string_view databaseFile) {
  return ChangeFileExt(databaseFile, kAbbreviationIndexExtension);
}

std::string BlockDirOf(std::string_view databaseFile) { return ExtractFilePath(databaseFile) + "Bausteine\\"; }

std::string DummyDatabaseFile(std::string_view appDir) {
  return std::string(appDir) + "Daten\\" + kDummyDatabaseName + kDatabaseExtension;
}

std::string DatabaseName(std::string_view databaseFile) { return ChangeFileExt(ExtractFileName(databaseFile), ""); }

std::string ResolveStick(std::string_view appDir, std::string_view stored, bool stick) {
  if (!stick) return std::string(stored);
  return std::string(appDir) + "Daten\\" + ExtractFileName(stored);
}

std::string StickName(std::string_view path) { return ExtractFileName(path); }

std::vector<std::pair<std::string, std::string>> AbbreviationEntries(const TTreeViewEx& tree) {
  std::vector<std::pair<std::string, std::string>> entries;
  std::unordered_map<std::string, std::size_t> byKey;  // upper-cased abbreviation -> entry
  for (const TreeNode* node = tree.GetFirstNode(); node; node = node->GetNext()) {
    if (!node->data) continue;
    BlockData data = BlockData::FromBytes(*node->data);
    if (data.abbreviation.empty()) continue;
    const auto [it, added] = byKey.emplace(UpperCase(data.abbreviation), entries.size());
    if (added)
      entries.emplace_back(std::move(data.abbreviation), std::move(data.textFileName));
    else
      entries[it->second].second = std::move(data.textFileName);
  }
  return entries;
}

std::string AbbreviationIndexText(const std::vector<std::pair<std::string, std::string>>& entries) {
  std::string text = "[Main]\r\n";
  for (const auto& [key, value] : entries) text += key + "=" + value + "\r\n";
  return text;
}

void SaveDatabaseFiles(const TTreeViewEx& tree, std::string_view path, std::string_view abbreviationIndex) {
  {
    std::error_code ignored;  // a missing parent only shows when a text file is written
    fs::create_directory(ToFsPath(BlockDirOf(path)), ignored);
  }

  SaveTreeWithBackup(tree, path);

  const auto entries = AbbreviationEntries(tree);
  if (entries.empty()) {
    if (FileExists(abbreviationIndex) && (IsReadOnlyFile(abbreviationIndex) || !RemoveFileIfExists(abbreviationIndex)))
      throw FileError(WriteErrorText(abbreviationIndex));
  } else {
    WriteFileSafely(abbreviationIndex, AbbreviationIndexText(entries));
  }
}

BlockDatabase::BlockDatabase(std::string appDir) : appDir_(std::move(appDir)) { UseBlockDataSize(tree_); }

void BlockDatabase::OpenDatabase(IDialogs& dialogs, const std::string& path) {
  if (FileExists(path)) {
    Load(path);
  } else {
    dialogs.MessageDlg(MsgKind::Error, DatabaseNotFoundText(path), MsgButtons::Ok);
    const std::string dummy = DummyDatabaseFile(appDir_);
    // The dummy database keeps its own abbreviation index rather than rewriting another one's.
    const std::string dummyIndex = AbbreviationIndexOf(dummy);
    if (FileExists(dummy)) {
      // A dummy database that is there holds the user's blocks: it is opened, never written over.
      Load(dummy);
    } else {
      ForceDirectories(ExtractFilePath(dummy));
      EnsureRoot(kDummyDatabaseName);
      SaveDatabaseFiles(tree_, dummy, dummyIndex);
      databaseFile_ = dummy;
    }
    abbreviationIndex_ = dummyIndex;
  }
  blockDir_ = BlockDirOf(databaseFile_);
}

void BlockDatabase::Load(const std::string& path) {
  LoadDatabaseTree(tree_, path);
  if (TreeNode* first = tree_.GetFirstNode()) {
    tree_.SetSelected(first);
    first->expanded = true;
  }
  databaseFile_ = path;
}

void BlockDatabase::SaveDatabase(const std::string& path) {
  blockDir_ = BlockDirOf(path);
  SaveDatabaseFiles(tree_, path, abbreviationIndex_);
}

void BlockDatabase::EnsureRoot(const std::string& name) { fenu::EnsureRoot(tree_, name); }

}  // namespace fenu
