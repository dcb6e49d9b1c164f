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
#include "cli/StoreCommands.h"
#include "core/FileIo.h"
#include "core/SafeFile.h"
#include "data/BlockData.h"
#include "data/Database.h"
#include "data/DatabaseCheck.h"

namespace fenu::cli {
namespace {

int Import(const std::string& in, const std::string& path) {
  TTreeViewEx tree;
  UseBlockDataSize(tree);
  ImportedTexts texts;
  BlockRecordJson records;
  ReadExportDocument(in, records, tree, texts);

  // Everything is checked; now the texts, then the tree file with its backup and index.
  const std::string blockDir = BlockDirOf(path);
  {
    std::error_code ignored;
    std::filesystem::create_directory(ToFsPath(blockDir), ignored);
  }
  for (const auto& [name, text] : texts.files) WriteTextFile(blockDir + name, text);
  SaveDatabaseFiles(tree, path, AbbreviationIndexOf(path));
  return kOk;
}

}  // namespace

int DbCommand(const std::vector<std::string>& args) {
  if (args.empty()) return Usage();
  const std::string& command = args[0];
  if (command == "dump" && args.size() == 2) return DumpStore(args[1], BlockRecordJson());
  if (command == "check" && args.size() == 2) return CheckStore(args[1], CheckDatabase);
  if (command == "export" && args.size() == 3) return ExportStore(args[1], args[2], BlockDirOf(args[1]), BlockRecordJson());
  if (command == "import" && args.size() == 3) return Import(args[1], args[2]);
  return Usage();
}

}  // namespace fenu::cli
