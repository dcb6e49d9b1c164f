#pragma once
// The JSON forms of a building-block database: the tree as `db dump` prints it, and the whole
// database with its block texts as `db export` writes and `db import` reads it (see the README).
#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "core/Errors.h"
#include "model/TreeFile.h"

namespace fenu::cli {

// Keys keep the order they are written in.
using Json = nlohmann::ordered_json;

inline constexpr const char* kExportFormat = "quenlia:FENU Bausteine";
inline constexpr int kExportVersion = 1;
// Deeper trees are refused: the JSON library writes nested values by nested calls.
inline constexpr int kMaxJsonLevels = 1000;

// A document that is no database export, or a value in it that cannot be stored.
class ImportError : public FenuError {
 public:
  using FenuError::FenuError;
};

// The tree as an array of its top-level entries (caption, level, imageIndex, stateIndex,
// selectedIndex, dataSize, data with the five text fields, children). Throws FenuError for a tree
// deeper than kMaxJsonLevels.
Json DumpTree(const TTreeViewEx& tree);

// The whole database: the tree with every record and block text, and the text files in blockDir
// that no entry names.
Json ExportDatabase(const TTreeViewEx& tree, const std::string& blockDir);

// A JSON document; a syntax error throws ImportError in German with its line and its column,
// counted in characters: "kein gültiges JSON: Zeile 3, Spalte 8: unerwartetes Zeichen \"]\"".
Json ParseJsonDocument(const std::string& utf8);

// A database read from an export document, checked completely before anything is written.
struct ImportedTexts {
  std::vector<std::pair<std::string, std::string>> files;  // text file name (cp1252), bytes
};
// Fills tree (which must be empty) and texts from document; throws ImportError naming the place
// in the document ("entries[0].children[2].data.QuickKey: ..."). Besides values that cannot be
// stored it refuses what the management window never writes: quick keys other than 0-9 and A-Z,
// abbreviations of other characters than a-z and 0-9, an abbreviation used twice (without regard
// to case, as the index reads it), a quick key used twice among the entries of one folder.
void ImportDatabase(const Json& document, TTreeViewEx& tree, ImportedTexts& texts);

}  // namespace fenu::cli
