#pragma once
// A building-block database on disk: the tree file (".bdb") with a BlockData record for every
// folder and block, its backup (".bup"), the abbreviation index (".kdb", INI section "Main":
// abbreviation = text file name) and the folder "Bausteine" with one text file per block.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/IniFile.h"
#include "platform/Services.h"
#include "data/BlockData.h"
#include "data/TreeStore.h"
#include "model/TreeFile.h"

namespace fenu {

enum class EntryKind { Base, Folder, Block, Unknown };
EntryKind KindOf(const TreeNode& node);

// The record of a folder or block, or nothing for an entry without a data block.
std::optional<BlockData> GetBlockData(const TreeNode& node);
void SetBlockData(TreeNode& node, const BlockData& data);

// OnRequestDataSize of a building-block tree: every block is written with 127 bytes.
void UseBlockDataSize(TTreeViewEx& tree);
// An entry the selection window leaves out: its Show field is exactly "nein".
bool IsHiddenEntry(const TreeNode& node);
// OnNodeLoaded for the selection window: hidden entries and everything below them stay out.
void RejectHiddenEntries(TTreeViewEx& tree);

struct EntryCounts {
  int folders = 0;  // entries with ImageIndex 3
  int blocks = 0;   // entries with ImageIndex 1
};
EntryCounts CountEntries(const TTreeViewEx& tree);

// File names of a database.
inline constexpr const char* kDatabaseExtension = ".bdb";
inline constexpr const char* kAbbreviationIndexExtension = ".kdb";
inline constexpr const char* kDummyDatabaseName = "DBDummy";
std::string AbbreviationIndexOf(std::string_view databaseFile);
// The folder "Bausteine" beside the database file, with a trailing backslash.
std::string BlockDirOf(std::string_view databaseFile);
// AppDir + "Daten\DBDummy.bdb".
std::string DummyDatabaseFile(std::string_view appDir);
// The database file's name without folder and extension: the caption of its base entry.
std::string DatabaseName(std::string_view databaseFile);

// Portable mode ("Stick"): a stored path is reduced to its file name inside AppDir + "Daten\";
// without it the stored value is used as it is.
std::string ResolveStick(std::string_view appDir, std::string_view stored, bool stick);
// What portable mode stores: the file name only.
std::string StickName(std::string_view path);

// The abbreviation index entries for a tree, as the index file holds them: for every entry in
// display order whose record has an Abbreviation, Abbreviation = TextFileName; a later entry with
// the same abbreviation (without regard to case) replaces the earlier one's value in its place.
std::vector<std::pair<std::string, std::string>> AbbreviationEntries(const TTreeViewEx& tree);
// The index file's bytes for those entries ("[Main]" and one line per entry, CR LF).
std::string AbbreviationIndexText(const std::vector<std::pair<std::string, std::string>>& entries);

// The files of SaveDatabase for a tree: creates the block folder beside path (one level; a failure
// is ignored), saves the tree with its backup (SaveTreeWithBackup), then rewrites the
// abbreviation index (removed when no entry has an abbreviation). A failure throws FileError
// "nach <file> kann nicht geschrieben werden"; the last saved tree file and its backup are never
// lost. A read-only tree file or index is not replaced.
void SaveDatabaseFiles(const TTreeViewEx& tree, std::string_view path, std::string_view abbreviationIndex);

// The database the management window works on: its tree and where its files are.
class BlockDatabase {
 public:
  explicit BlockDatabase(std::string appDir);

  TTreeViewEx& Tree() { return tree_; }
  const TTreeViewEx& Tree() const { return tree_; }

  const std::string& DatabaseFile() const { return databaseFile_; }
  void SetDatabaseFile(std::string path) { databaseFile_ = std::move(path); }
  const std::string& AbbreviationIndex() const { return abbreviationIndex_; }
  void SetAbbreviationIndex(std::string path) { abbreviationIndex_ = std::move(path); }
  // The current database's block folder, with a trailing backslash.
  const std::string& BlockDir() const { return blockDir_; }
  void SetBlockDir(std::string path) { blockDir_ = std::move(path); }

  // Makes path the current database. An existing file is loaded (its first entry selected and
  // expanded). A missing one is reported ("Die Datenbank \"<path>\" konnte nicht gefunden
  // werden!") and the database "DBDummy" in AppDir's "Daten" folder takes its place, with the
  // abbreviation index DBDummy.kdb: when it exists it is loaded like any other; only when it does
  // not is it made: the folder is created if needed, an empty tree gets the base entry "DBDummy",
  // and the tree is saved there at once. Either way BlockDir follows.
  // A file that cannot be read or is no tree file throws DamagedFileError naming it (and its
  // backup), leaving everything as it was, in memory and on disk; a dummy database that cannot be
  // made throws FileError.
  void OpenDatabase(IDialogs& dialogs, const std::string& path);
  // Writes the tree to path with backup and the current abbreviation index (SaveDatabaseFiles);
  // BlockDir becomes path's block folder.
  void SaveDatabase(const std::string& path);
  // Gives an empty tree its base entry (no data block, images 0) and selects it.
  void EnsureRoot(const std::string& name);
  EntryCounts Counts() const { return CountEntries(tree_); }

 private:
  // Loads an existing tree file and makes it the current database.
  void Load(const std::string& path);

  std::string appDir_;
  TTreeViewEx tree_;
  std::string databaseFile_;
  std::string abbreviationIndex_;
  std::string blockDir_;
};

}  // namespace fenu
