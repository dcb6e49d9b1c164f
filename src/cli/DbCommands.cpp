// fenu-cli db ...: a building-block database seen from outside.
//   dump FILE.bdb            the tree as JSON on standard output
//   check FILE.bdb           what is wrong with the database; exit 1 when anything is
//   export FILE.bdb OUT.json the whole database, block texts included, as one JSON document
//   import IN.json FILE.bdb  a database written from such a document, as saving it would
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "cli/Cli.h"
#include "cli/DbJson.h"
#include "core/FileIo.h"
#include "data/BlockData.h"
#include "data/Database.h"
#include "data/DatabaseCheck.h"
#include "core/SafeFile.h"

namespace fenu::cli {
namespace {

std::string JsonText(const Json& json) {
  // Strict: every text in it came from cp1252 and is valid UTF-8.
  return json.dump(2, ' ', false, Json::error_handler_t::strict) + "\n";
}

void Print(const std::string& utf8) { std::fwrite(utf8.data(), 1, utf8.size(), stdout); }

void LoadTree(TTreeViewEx& tree, const std::string& path) {
  if (!FileExists(path)) throw FileError("Die Datenbank \"" + path + "\" konnte nicht gefunden werden!");
  tree.LoadFromFile(path);
}

int Dump(const std::string& path) {
  TTreeViewEx tree;
  LoadTree(tree, path);
  Print(JsonText(DumpTree(tree)));
  return kOk;
}

int Check(const std::string& path) {
  if (!FileExists(path)) throw FileError("Die Datenbank \"" + path + "\" konnte nicht gefunden werden!");
  const std::vector<std::string> problems = CheckDatabase(path);
  for (const std::string& problem : problems) PrintUtf8(stdout, problem + "\n");
  if (problems.empty()) {
    PrintUtf8(stdout, "Keine Probleme gefunden.\n");
    return kOk;
  }
  return kInputError;
}

int Export(const std::string& path, const std::string& out) {
  TTreeViewEx tree;
  LoadTree(tree, path);
  WriteFileSafely(out, JsonText(ExportDatabase(tree, BlockDirOf(path))));
  return kOk;
}

int Import(const std::string& in, const std::string& path) {
  const std::optional<std::string> bytes = ReadFileBytes(in);
  if (!bytes) throw FileError("Datei " + in + " kann nicht geöffnet werden");
  Json document;
  try {
    document = ParseJsonDocument(*bytes);
  } catch (const ImportError& e) {
    throw ImportError(in + ": " + e.what());
  }
  TTreeViewEx tree;
  UseBlockDataSize(tree);
  ImportedTexts texts;
  try {
    ImportDatabase(document, tree, texts);
  } catch (const ImportError& e) {
    throw ImportError(in + ": " + e.what());
  }

  // Everything is checked; now the texts, then the tree file with its backup and index.
  const std::string blockDir = BlockDirOf(path);
  {
    std::error_code ignored;
    std::filesystem::create_directory(ToFsPath(blockDir), ignored);
  }
  for (const auto& [name, text] : texts.files) WriteBlockText(blockDir + name, text);
  SaveDatabaseFiles(tree, path, AbbreviationIndexOf(path));
  return kOk;
}

}  // namespace

int DbCommand(const std::vector<std::string>& args) {
  if (args.empty()) return Usage();
  const std::string& command = args[0];
  if (command == "dump" && args.size() == 2) return Dump(args[1]);
  if (command == "check" && args.size() == 2) return Check(args[1]);
  if (command == "export" && args.size() == 3) return Export(args[1], args[2]);
  if (command == "import" && args.size() == 3) return Import(args[1], args[2]);
  return Usage();
}

}  // namespace fenu::cli
