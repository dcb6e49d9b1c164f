#include "data/TreeStore.h"

#include <algorithm>
#include <cstdio>
#include <unordered_set>

#include "core/Cp1252.h"
#include "core/Errors.h"
#include "core/FileIo.h"
#include "core/IniFile.h"
#include "core/SafeFile.h"
#include "data/TextFiles.h"

namespace fenu {

std::string_view RecordFieldView(std::string_view record, RecordField field) {
  if (field.offset >= record.size()) return {};
  std::size_t length = static_cast<unsigned char>(record[field.offset]);
  length = std::min({length, field.capacity, record.size() - field.offset - 1});
  return record.substr(field.offset + 1, length);
}

std::string ReadRecordField(std::string_view record, RecordField field) {
  return std::string(RecordFieldView(record, field));
}

void WriteRecordField(NodeData& record, RecordField field, std::string_view text) {
  const std::size_t length = std::min(text.size(), field.capacity);
  record[field.offset] = static_cast<char>(length);
  record.replace(field.offset + 1, length, text.substr(0, length));
}

std::string TextFileNameOf(const TreeNode& node) {
  return node.data ? ReadRecordField(*node.data, kTextFileNameField) : std::string();
}

void EnsureRoot(TTreeViewEx& tree, const std::string& name) {
  if (!tree.Empty()) return;
  TreeNode& root = tree.AddChild(nullptr, name);
  root.imageIndex = kImageBase;
  root.selectedIndex = kImageBase;
  tree.SetSelected(&root);
}

namespace {
bool IsTextImage(std::int32_t image) { return image == kImageBlock || image == kImageBlockSelected; }
}  // namespace

void SortTextsFirst(TTreeViewEx& tree, ICollation& collation) {
  tree.SortChildren(nullptr, [&](const TreeNode& a, const TreeNode& b) {
    const bool aText = IsTextImage(a.imageIndex);
    const bool bText = IsTextImage(b.imageIndex);
    if (aText != bText) return aText;
    return collation.CompareText(a.text, b.text) < 0;
  }, true);
}

void SortSiblingsByName(TTreeViewEx& tree, const TreeNode& node, ICollation& collation) {
  tree.SortChildren(node.Parent(), [&](const TreeNode& a, const TreeNode& b) {
    return collation.CompareStr(a.text, b.text) < 0;
  }, false);
}

std::string ChangeFileExt(std::string_view path, std::string_view ext) {
  const std::size_t nameStart = ExtractFilePath(path).size();
  const std::size_t dot = path.rfind('.');
  const std::size_t stemEnd = dot != std::string_view::npos && dot >= nameStart ? dot : path.size();
  return std::string(path.substr(0, stemEnd)) + std::string(ext);
}

std::string BackupFileOf(std::string_view treeFile) { return ChangeFileExt(treeFile, kBackupExtension); }

void SaveTreeWithBackup(const TTreeViewEx& tree, std::string_view path) {
  if (IsReadOnlyFile(path)) throw FileError(WriteErrorText(path));
  // The new tree file is complete on disk before the old one gives up its name.
  const std::string temp = WriteTempFile(path, tree.SaveToBytes());
  const auto fail = [&] {
    RemoveFileIfExists(temp);
    throw FileError(WriteErrorText(path));
  };
  if (!FileExists(path)) {
    if (!RenameReplacing(temp, path)) fail();
    return;
  }
  // The old backup steps aside until the new generation stands, so that a failure on the way
  // puts both files back.
  const std::string backup = BackupFileOf(path);
  const std::string oldBackup = backup + ".alt";
  const bool hadBackup = FileExists(backup);
  if (hadBackup && !RenameReplacing(backup, oldBackup)) fail();
  if (!RenameReplacing(path, backup)) {
    if (hadBackup) RenameReplacing(oldBackup, backup);
    fail();
  }
  if (!RenameReplacing(temp, path)) {
    RenameReplacing(backup, path);
    if (hadBackup) RenameReplacing(oldBackup, backup);
    fail();
  }
  if (hadBackup) RemoveFileIfExists(oldBackup);
}

std::unordered_set<std::string> UsedTextFileNames(const TTreeViewEx& tree) {
  std::unordered_set<std::string> used;
  for (const TreeNode* node = tree.GetFirstNode(); node; node = node->GetNext())
    if (node->data) used.insert(UpperCase(TextFileNameOf(*node)));
  return used;
}

std::string DatabaseNotFoundText(std::string_view path) {
  return "Die Datenbank \"" + std::string(path) + "\" konnte nicht gefunden werden!";
}

std::string UniqueTimeId(const TTreeViewEx& tree, std::string_view textDir, std::string_view candidate) {
  const std::unordered_set<std::string> used = UsedTextFileNames(tree);
  auto isFree = [&](const std::string& id) {
    const std::string name = id + kTextFileExtension;
    return !used.contains(UpperCase(name)) && !FileExists(std::string(textDir) + name);
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
  throw FenuError("Keine freie ID für " + std::string(candidate));
}

}  // namespace fenu
