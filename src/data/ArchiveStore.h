#pragma once
// The text archive on disk: the tree file (Daten\Archiv.adb) with an ArchiveData record for every
// text and folder, its backup (Archiv.bup) and the flat folder Archiv\ beside it with one text
// file per text, named after its TextId.
#include <string>
#include <string_view>
#include <vector>

#include "data/ArchiveData.h"
#include "model/TreeFile.h"
#include "platform/Services.h"

namespace fenu {

inline constexpr const char* kArchiveRootName = "Archiv";
// How error texts name the archive.
inline constexpr const char* kArchiveStoreName = "Das Archiv";

// AppDir + "Daten\Archiv.adb".
std::string StandardArchiveFile(std::string_view appDir);
// The archive's text folder: the archive file's folder + "Archiv", without a trailing separator.
std::string TextDirOf(std::string_view archiveFile);

// The archive the archive window works on: its tree and where its files are.
class ArchiveStore {
 public:
  ArchiveStore();

  TTreeViewEx& Tree() { return tree_; }
  const TTreeViewEx& Tree() const { return tree_; }
  // The path OpenArchive was given, and the text folder derived from it.
  const std::string& ArchivePath() const { return archivePath_; }
  const std::string& TextDir() const { return textDir_; }

  // Makes path the current archive. An existing file is loaded, its first entry (the Root)
  // selected and expanded. A missing one is reported ("Die Datenbank \"<path>\" konnte nicht
  // gefunden werden!") and a new archive is made there at once: an empty tree gets the Root
  // "Archiv" and is saved (folders are created as needed). Either way the text folder follows.
  // A file that cannot be read or is no tree file throws DamagedFileError naming it and where
  // reading stopped; the tree, the paths and every file stay as they were. A new archive that
  // cannot be saved throws FileError; it is the current archive nonetheless.
  void OpenArchive(IDialogs& dialogs, const std::string& path);
  // Writes the whole tree to path with one backup generation (SaveTreeWithBackup), creating the
  // folder as needed; then the text files of deleted entries go (DeleteTextFiles). A failure
  // throws FileError and keeps the last good tree file and backup, and the pending deletions.
  void SaveArchive(const std::string& path);
  // Gives an empty tree its Root and selects it.
  void EnsureRoot(const std::string& name);

  // The text folder, a path delimiter and the entry's text file name.
  std::string TextFilePath(const TreeNode& entry) const;
  // The body of a text: its file with line breaks made CR LF; empty when there is no file (or the
  // record names none that may be used).
  std::string ReadText(const TreeNode& entry) const;
  // Writes a text's body (lone CR and LF become CR LF), creating the text folder as needed.
  // Throws FileError naming the file.
  void WriteText(const TreeNode& entry, std::string_view body);

  // A new text or folder as the first child of parent (which must be able to hold it) with a
  // fresh record: a text's file name is a TextId that no entry and no file uses yet (candidate,
  // normally the current time's, or the next free millisecond of its minute) + ".txt". No file is
  // written. Then the whole tree is put in ArchiveOrder. Returns the new entry.
  TreeNode& NewEntry(TreeNode& parent, std::string name, ArchiveKind kind, ICollation& collation,
                     std::string_view candidateId);
  // Saving a text's edits: writes the body; only when that succeeded the entry takes the name
  // (its siblings re-sorted by name) and the first 128 characters of the keywords. Throws
  // FileError.
  void SaveText(TreeNode& entry, std::string name, std::string_view keywords, std::string_view body,
                ICollation& collation);
  // A new name for an entry already in the tree; its siblings are re-sorted by name.
  void Rename(TreeNode& entry, std::string name, ICollation& collation);
  // ArchiveOrder for the whole tree: texts before folders, then by name without case.
  void SortArchive(ICollation& collation);

  // Marks the text files of an entry that is about to be deleted: a text's file; for a folder,
  // those of every entry below it; nothing for other kinds. The files go when the tree without
  // the entry is saved (SaveArchive), so that a tree closed unsaved keeps its texts.
  void DeleteTextFiles(const TreeNode& entry);
  const std::vector<std::string>& PendingDeletions() const { return pendingDeletions_; }

 private:
  TTreeViewEx tree_;
  std::string archivePath_;
  std::string textDir_;
  std::vector<std::string> pendingDeletions_;  // text file names
};

}  // namespace fenu
