#pragma once
// Reading a database's files for a window without trusting them: a tree file or abbreviation
// index that is cut off, zeroed or foreign is reported to the user with the file's name and where
// reading stopped, and nothing is written over it.
#include <optional>
#include <string>
#include <string_view>

#include "core/IniFile.h"
#include "model/TreeFile.h"

namespace fenu {

// The reason given for a file that is there but cannot be opened.
inline constexpr const char* kCannotOpenFile = "die Datei kann nicht geöffnet werden";

// How every error box about an unreadable file begins: what the file is, its name, what is wrong
// and where, and that it was left unchanged.
std::string UnreadableFileText(std::string_view what, std::string_view file, std::string_view reason);

// The error box text for a store whose tree file cannot be read: the store ("Die Datenbank",
// "Das Archiv") with its file, what is wrong and where, that it was left unchanged, and its
// backup (".bup"), when there is one: readable, with how to take it back, or unreadable too.
std::string DamagedTreeText(std::string_view store, std::string_view treeFile, std::string_view reason);
// The same for a building-block database.
std::string DamagedDatabaseText(std::string_view databaseFile, std::string_view reason);

// The most levels of entries a window takes: it shows a tree by one nested call per level, and
// no one builds folders a thousand deep by hand.
inline constexpr std::int32_t kMaxDatabaseLevels = 1000;

// Loads a store's tree file for a window (the tree's events apply; at most kMaxDatabaseLevels
// levels). A file that cannot be opened or is no whole tree file throws DamagedFileError with
// DamagedTreeText; the tree stays as it was.
void LoadStoreTree(TTreeViewEx& tree, std::string_view store, std::string_view treeFile);
// The same for a building-block database.
void LoadDatabaseTree(TTreeViewEx& tree, std::string_view databaseFile);

// What is wrong with an abbreviation index file, or nothing when it is whole or missing. The
// program writes it whole ("[Main]" and one "abbreviation=text file" line each, every line ended).
std::optional<std::string> AbbreviationIndexDamage(std::string_view indexFile);
// The index as the abbreviation window reads it; a missing file is an empty one. A damaged one
// throws DamagedFileError naming it.
IniDocument ReadAbbreviationIndex(std::string_view indexFile);

}  // namespace fenu
