// fenu-cli archive ...: the text archive seen from outside.
//   dump FILE.adb            the tree as JSON on standard output
//   check FILE.adb           what is wrong with the archive; exit 1 when anything is
//   export FILE.adb OUT.json the whole archive, texts included, as one JSON document
//   import IN.json FILE.adb  an archive written from such a document, as saving it would
//   find FILE.adb TEXT       the texts whose keywords contain TEXT, as the keyword search finds them
#include <cstdio>

#include "archive/KeywordSearch.h"
#include "cli/ArchiveJson.h"
#include "cli/Cli.h"
#include "cli/StoreCommands.h"
#include "core/FileIo.h"
#include "core/SafeFile.h"
#include "data/ArchiveCheck.h"
#include "data/ArchiveStore.h"
#include "data/TextFiles.h"

namespace fenu::cli {
namespace {

int Import(const std::string& in, const std::string& path) {
  ArchiveStore store;
  ImportedTexts texts;
  ArchiveRecordJson records;
  ReadExportDocument(in, records, store.Tree(), texts);

  // Everything is checked; now the texts, then the tree file with its backup.
  const std::string textDir = TextDirOf(path);
  if (!texts.files.empty()) ForceDirectories(textDir);
  for (const auto& [name, text] : texts.files) WriteTextFile(textDir + "\\" + name, text);
  store.SaveArchive(path);
  return kOk;
}

int Find(const std::string& path, const std::string& keyword) {
  TTreeViewEx tree;
  LoadExistingTree(tree, path);
  const std::vector<const TreeNode*> hits = FindAllKeywords(tree, keyword);
  if (hits.empty()) {
    PrintUtf8(stderr, KeywordNotFoundText(keyword) + "\n");
    return kInputError;
  }
  for (const TreeNode* hit : hits) PrintUtf8(stdout, TextFileNameOf(*hit) + "\t" + hit->text + "\n");
  return kOk;
}

}  // namespace

int ArchiveCommand(const std::vector<std::string>& args) {
  if (args.empty()) return Usage();
  const std::string& command = args[0];
  if (command == "dump" && args.size() == 2) return DumpStore(args[1], ArchiveRecordJson());
  if (command == "check" && args.size() == 2) return CheckStore(args[1], CheckArchive);
  if (command == "export" && args.size() == 3) {
    return ExportStore(args[1], args[2], TextDirOf(args[1]) + "\\", ArchiveRecordJson());
  }
  if (command == "import" && args.size() == 3) return Import(args[1], args[2]);
  // The keyword window searches only with a text.
  if (command == "find" && args.size() == 3 && !args[2].empty()) return Find(args[1], args[2]);
  return Usage();
}

}  // namespace fenu::cli
