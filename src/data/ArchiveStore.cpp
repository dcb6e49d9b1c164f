#include "data/ArchiveStore.h"

#include <unordered_set>

#include "core/Cp1252.h"
#include "core/Errors.h"
#include "core/FileIo.h"
#include "core/SafeFile.h"
#include "data/DamagedFiles.h"
#include "data/TextFiles.h"
#include "data/TreeStore.h"

namespace fenu {

std::string StandardArchiveFile(std::string_view appDir) { return std::string(appDir) + "Daten\\Archiv.adb"; }

std::string TextDirOf(std::string_view archiveFile) { return ExtractFilePath(archiveFile) + "Archiv"; }

ArchiveStore::ArchiveStore() { UseArchiveDataSize(tree_); }

void ArchiveStore::OpenArchive(IDialogs& dialogs, const std::string& path) {
  if (FileExists(path)) {
    LoadStoreTree(tree_, kArchiveStoreName, path);
    if (TreeNode* first = tree_.GetFirstNode()) {
      tree_.SetSelected(first);
      first->expanded = true;
    }
    archivePath_ = path;
    textDir_ = TextDirOf(path);
    return;
  }
  dialogs.MessageDlg(MsgKind::Error, DatabaseNotFoundText(path), MsgButtons::Ok);
  EnsureRoot(kArchiveRootName);
  archivePath_ = path;
  textDir_ = TextDirOf(path);
  SaveArchive(path);
}

void ArchiveStore::SaveArchive(const std::string& path) {
  // A fresh installation has no "Daten" folder yet; a failure shows when the file is written.
  if (const std::string folder = ExtractFilePath(path); !folder.empty()) ForceDirectories(folder);
  SaveTreeWithBackup(tree_, path);

  // The saved tree no longer names these files; a name it still uses (a foreign tree may share
  // one) stays.
  const std::unordered_set<std::string> named = UsedTextFileNames(tree_);
  for (const std::string& name : pendingDeletions_)
    if (!named.contains(UpperCase(name))) RemoveFileIfExists(textDir_ + "\\" + name);
  pendingDeletions_.clear();
}

void ArchiveStore::EnsureRoot(const std::string& name) { fenu::EnsureRoot(tree_, name); }

std::string ArchiveStore::TextFilePath(const TreeNode& entry) const {
  return textDir_ + "\\" + TextFileNameOf(entry);
}

std::string ArchiveStore::ReadText(const TreeNode& entry) const {
  if (!IsSafeTextFileName(TextFileNameOf(entry))) return {};
  return ReadTextFile(TextFilePath(entry)).value_or(std::string());
}

void ArchiveStore::WriteText(const TreeNode& entry, std::string_view body) {
  const std::string name = TextFileNameOf(entry);
  if (!IsSafeTextFileName(name))
    throw FileError("Der Text \"" + entry.text + "\" hat keinen gültigen Dateinamen: \"" + name + "\"");
  ForceDirectories(textDir_);
  WriteTextFile(TextFilePath(entry), NormalizeLineBreaks(body));
}

TreeNode& ArchiveStore::NewEntry(TreeNode& parent, std::string name, ArchiveKind kind, ICollation& collation,
                                 std::string_view candidateId) {
  ArchiveData data;
  if (kind == ArchiveKind::Text)
    data.textFileName = UniqueTimeId(tree_, textDir_ + "\\", candidateId) + kTextFileExtension;
  TreeNode& entry = tree_.AddChildFirst(&parent, std::move(name));
  if (kind == ArchiveKind::Text) {
    entry.imageIndex = kImageBlock;
    entry.selectedIndex = kImageBlockSelected;
  } else {
    entry.imageIndex = kImageFolder;
    entry.selectedIndex = kImageFolderSelected;
  }
  SetArchiveData(entry, data);
  SortArchive(collation);
  return entry;
}

void ArchiveStore::SaveText(TreeNode& entry, std::string name, std::string_view keywords, std::string_view body,
                            ICollation& collation) {
  WriteText(entry, body);
  ArchiveData data = GetArchiveData(entry).value_or(ArchiveData{});
  data.keywords = std::string(keywords.substr(0, kKeywordsField.capacity));
  SetArchiveData(entry, data);
  Rename(entry, std::move(name), collation);
}

void ArchiveStore::Rename(TreeNode& entry, std::string name, ICollation& collation) {
  entry.text = std::move(name);
  SortSiblingsByName(tree_, entry, collation);
}

void ArchiveStore::SortArchive(ICollation& collation) { SortTextsFirst(tree_, collation); }

void ArchiveStore::DeleteTextFiles(const TreeNode& entry) {
  switch (ArchiveKindOf(entry)) {
    case ArchiveKind::Text:
      if (const std::string name = TextFileNameOf(entry); IsSafeTextFileName(name)) pendingDeletions_.push_back(name);
      break;
    case ArchiveKind::Folder:
      for (std::size_t i = 0; i < entry.Count(); ++i) DeleteTextFiles(*entry.Item(i));
      break;
    default:
      break;
  }
}

}  // namespace fenu
