#include "data/Database.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unordered_map>
#include <unordered_set>

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

bool IsHiddenEntry(const TreeNode& node) { return node.data && ReadBlockField(*node.data, kShowField) == kShowNo; }

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

std::string ChangeFileExt(std::string_view path, std::string_view ext) {
  const std::size_t nameStart = ExtractFilePath(path).size();
  const std::size_t dot = path.rfind('.');
  const std::size_t stemEnd = dot != std::string_view::npos && dot >= nameStart ? dot : path.size();
  return std::string(path.substr(0, stemEnd)) + std::string(ext);
}

std::string BackupFileOf(std::string_view databaseFile) { return ChangeFileExt(databaseFile, kBackupExtension); }

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

  // The new tree file is complete on disk before the old one gives up its name.
  if (IsReadOnlyFile(path)) throw FileError(WriteErrorText(path));
  const std::string temp = WriteTempFile(path, tree.SaveToBytes());
  const std::string backup = BackupFileOf(path);
  const bool hadOld = FileExists(path);
  if (hadOld && !RenameReplacing(path, backup)) {
    RemoveFileIfExists(temp);
    throw FileError(WriteErrorText(path));
  }
  if (!RenameReplacing(temp, path)) {
    if (hadOld) RenameReplacing(backup, path);
    RemoveFileIfExists(temp);
    throw FileError(WriteErrorText(path));
  }

  const auto entries = AbbreviationEntries(tree);
  if (entries.empty()) {
    if (FileExists(abbreviationIndex) && (IsReadOnlyFile(abbreviationIndex) || !RemoveFileIfExists(abbreviationIndex)))
      throw FileError(WriteErrorText(abbreviationIndex));
  } else {
    WriteFileSafely(abbreviationIndex, AbbreviationIndexText(entries));
  }
}

std::vector<std::string> ListBlockTextFiles(std::string_view blockDir) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(ToFsPath(blockDir), ec), end; !ec && it != end; it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
#ifdef _WIN32
    const std::u16string wide = it->path().filename().u16string();
    const std::string name = Utf16ToCp1252(wide);
    if (Cp1252ToUtf16(name) != wide) continue;
#else
    const std::string native = it->path().filename().string();
    const std::string name = Utf8ToCp1252(native);
    if (Cp1252ToUtf8(name) != native) continue;
#endif
    const std::string ext = kTextFileExtension;
    if (name.size() > ext.size() && EqualsNoCase(std::string_view(name).substr(name.size() - ext.size()), ext))
      names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string UniqueBlockId(const TTreeViewEx& tree, std::string_view blockDir, std::string_view candidate) {
  std::unordered_set<std::string> used;
  for (const TreeNode* node = tree.GetFirstNode(); node; node = node->GetNext())
    if (node->data) used.insert(UpperCase(BlockData::FromBytes(*node->data).textFileName));
  auto isFree = [&](const std::string& id) {
    const std::string name = id + kTextFileExtension;
    return !used.contains(UpperCase(name)) && !FileExists(std::string(blockDir) + name);
  };
  const bool wellFormed = candidate.size() == 13 && std::all_of(candidate.begin(), candidate.end(), [](char c) {
    return c >= '0' && c <= '9';
  });
  if (wellFormed) {
    // Only the millisecond moves on: the identifier keeps the minute it was made in.
    const std::string minute(candidate.substr(0, 10));
    const int first = std::stoi(std::string(candidate.substr(10)));
    for (int step = 0; step < 1000; ++step) {
      char millisecond[8];
      std::snprintf(millisecond, sizeof millisecond, "%03d", (first + step) % 1000);
      const std::string id = minute + millisecond;
      if (isFree(id)) return id;
    }
  } else if (isFree(std::string(candidate))) {
    return std::string(candidate);
  }
  throw FenuError("Keine freie Baustein-ID für " + std::string(candidate));
}

BlockDatabase::BlockDatabase(std::string appDir) : appDir_(std::move(appDir)) { UseBlockDataSize(tree_); }

void BlockDatabase::OpenDatabase(IDialogs& dialogs, const std::string& path) {
  if (FileExists(path)) {
    Load(path);
  } else {
    dialogs.MessageDlg(MsgKind::Error, "Die Datenbank \"" + path + "\" konnte nicht gefunden werden!", MsgButtons::Ok);
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

void BlockDatabase::EnsureRoot(const std::string& name) {
  if (!tree_.Empty()) return;
  TreeNode& root = tree_.AddChild(nullptr, name);
  root.imageIndex = kImageBase;
  root.selectedIndex = kImageBase;
  tree_.SetSelected(&root);
}

}  // namespace fenu
