#pragma once
// The JSON forms of a tree store (building-block database, text archive): the tree as `dump`
// prints it, and the whole store with its text files as `export` writes and `import` reads it
// (see the README). What differs between the stores, their records, is a RecordJson.
#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "core/Errors.h"
#include "data/TreeStore.h"
#include "model/TreeFile.h"

namespace fenu::cli {

// Keys keep the order they are written in.
using Json = nlohmann::ordered_json;

inline constexpr int kExportVersion = 1;
// Deeper trees are refused: the JSON library writes nested values by nested calls.
inline constexpr int kMaxJsonLevels = 1000;

// A document that is no export of the store, or a value in it that cannot be stored.
class ImportError : public FenuError {
 public:
  using FenuError::FenuError;
};

// How one store's records look in JSON.
class RecordJson {
 public:
  virtual ~RecordJson() = default;
  // The "format" of the store's export documents.
  virtual const char* Format() const = 0;
  // The fields `dump` shows, and every field `export` writes.
  virtual Json Dump(const NodeData& record) const = 0;
  virtual Json Export(const NodeData& record) const = 0;
  // A record from the "data" object of the entry at place ("entries[0].children[1]"), which goes
  // below parent (nullptr: the top). Throws ImportError naming the place
  // ("entries[0].children[1].data.Keywords: ...").
  virtual NodeData Import(const Json& data, const std::string& entryPlace, const TreeNode* parent) = 0;
};

// The tree as an array of its top-level entries (caption, level, imageIndex, stateIndex,
// selectedIndex, dataSize, data, children). Throws FenuError for a tree deeper than
// kMaxJsonLevels.
Json DumpTree(const TTreeViewEx& tree, const RecordJson& records);

// The whole store: the tree with every record and the text each record names ("text", null for
// a missing file), and the text files in textDir (with its trailing separator) that no entry
// names.
Json ExportTree(const TTreeViewEx& tree, const std::string& textDir, const RecordJson& records);

// A JSON document; a syntax error throws ImportError in German with its line and its column,
// counted in characters: "kein gültiges JSON: Zeile 3, Spalte 8: unerwartetes Zeichen \"]\"".
Json ParseJsonDocument(const std::string& utf8);

// A store read from an export document, checked completely before anything is written.
struct ImportedTexts {
  std::vector<std::pair<std::string, std::string>> files;  // text file name (cp1252), bytes
};
// Fills tree (which must be empty) and texts from document; throws ImportError naming the place
// in the document ("entries[0].children[2].caption: ..."): unknown or missing keys, values of the
// wrong kind, characters that cp1252 lacks, numbers beyond 32 bits, unusable text file names, two
// different texts for one file, and what the records refuse.
void ImportTree(const Json& document, RecordJson& records, TTreeViewEx& tree, ImportedTexts& texts);

// What the store commands share: the document as fenu-cli writes it (two blanks of indent, a
// line break at the end), a tree file that must exist ("Die Datenbank \"<path>\" konnte nicht
// gefunden werden!" otherwise), and an export document read from a file and checked whole
// (ImportError names the file).
std::string JsonText(const Json& json);
void RequireExistingTreeFile(const std::string& path);
void LoadExistingTree(TTreeViewEx& tree, const std::string& path);
void ReadExportDocument(const std::string& file, RecordJson& records, TTreeViewEx& tree, ImportedTexts& texts);

// Pieces for the records.
[[noreturn]] void FailAt(const std::string& where, const std::string& what);
// A JSON text as cp1252; characters the code page lacks are refused rather than replaced.
std::string Cp1252Text(const Json& value, const std::string& where);
// Refuses every key of object that is not in allowed.
void OnlyKeys(const Json& object, std::initializer_list<const char*> allowed, const std::string& where);
// data[key] as the text of a record field (at most its capacity), or def when it is left out.
std::string FieldText(const Json& data, const char* key, const std::string& def, const std::string& where,
                      RecordField field);
// The text as UTF-8 for the document.
std::string Utf8(const std::string& cp1252);

}  // namespace fenu::cli
