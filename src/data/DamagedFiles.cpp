#include "data/DamagedFiles.h"

#include "core/Errors.h"
#include "core/FileIo.h"
#include "data/TreeStore.h"

namespace fenu {
namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// What keeps a tree file from being read, or nothing when it reads.
std::optional<std::string> TreeFileDamage(std::string_view file) {
  TTreeViewEx probe;
  try {
    probe.LoadFromFile(file);
  } catch (const TreeFormatError& e) {
    return e.Reason();
  } catch (const FileError&) {
    return kCannotOpenFile;
  }
  return std::nullopt;
}

// An index file's bytes (nothing when there is no file) and what is wrong with them.
struct IndexBytes {
  std::optional<std::string> bytes;
  std::optional<std::string> damage;
};

IndexBytes ReadIndexBytes(std::string_view indexFile) {
  IndexBytes index;
  if (!FileExists(indexFile)) return index;
  index.bytes = ReadFileBytes(indexFile);
  index.damage = index.bytes ? FindProfileDamage(*index.bytes, true) : std::optional<std::string>(kCannotOpenFile);
  return index;
}

}  // namespace

constexpr const char* kDatabase = "Die Datenbank";

std::string UnreadableFileText(std::string_view what, std::string_view file, std::string_view reason) {
  return std::string(what) + " " + Quoted(file) + " konnte nicht gelesen werden: " + std::string(reason) +
         ".\r\nDie Datei wurde nicht verändert.";
}

std::string DamagedTreeText(std::string_view store, std::string_view treeFile, std::string_view reason) {
  std::string text = UnreadableFileText(store, treeFile, reason);
  const std::string backup = BackupFileOf(treeFile);
  if (!FileExists(backup)) return text;
  if (const auto backupDamage = TreeFileDamage(backup))
    return text + "\r\n\r\nDie Sicherung " + Quoted(backup) + " ist ebenfalls nicht lesbar: " + *backupDamage + ".";
  return text + "\r\n\r\nEine lesbare Sicherung (der Stand vor dem letzten Speichern) liegt in " + Quoted(backup) +
         ". Kopieren Sie sie auf " + Quoted(ExtractFileName(treeFile)) + ", um diesen Stand zurückzuholen.";
}

std::string DamagedDatabaseText(std::string_view databaseFile, std::string_view reason) {
  return DamagedTreeText(kDatabase, databaseFile, reason);
}

void LoadStoreTree(TTreeViewEx& tree, std::string_view store, std::string_view treeFile) {
  tree.MaxLevels = kMaxDatabaseLevels;
  try {
    tree.LoadFromFile(treeFile);
  } catch (const TreeFormatError& e) {
    throw DamagedFileError(DamagedTreeText(store, treeFile, e.Reason()));
  } catch (const FileError&) {
    throw DamagedFileError(DamagedTreeText(store, treeFile, kCannotOpenFile));
  }
}

void LoadDatabaseTree(TTreeViewEx& tree, std::string_view databaseFile) {
  LoadStoreTree(tree, kDatabase, databaseFile);
}

std::optional<std::string> AbbreviationIndexDamage(std::string_view indexFile) {
  return ReadIndexBytes(indexFile).damage;
}

IniDocument ReadAbbreviationIndex(std::string_view indexFile) {
  const IndexBytes index = ReadIndexBytes(indexFile);
  if (index.damage)
    throw DamagedFileError(UnreadableFileText("Der Kürzel-Index", indexFile, *index.damage) +
                           " Speichern Sie die Datenbank in der Baustein Verwaltung, dann wird der Kürzel-Index neu "
                           "geschrieben.");
  return index.bytes ? IniDocument::Parse(*index.bytes) : IniDocument();
}

}  // namespace fenu
