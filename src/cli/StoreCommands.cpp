#include "cli/StoreCommands.h"

#include "cli/Cli.h"
#include "core/SafeFile.h"

namespace fenu::cli {

int DumpStore(const std::string& path, const RecordJson& records) {
  TTreeViewEx tree;
  LoadExistingTree(tree, path);
  PrintRaw(JsonText(DumpTree(tree, records)));
  return kOk;
}

int CheckStore(const std::string& path, std::vector<std::string> (*check)(std::string_view file)) {
  RequireExistingTreeFile(path);
  return ReportProblems(check(path));
}

int ExportStore(const std::string& path, const std::string& out, const std::string& textDir,
                const RecordJson& records) {
  TTreeViewEx tree;
  LoadExistingTree(tree, path);
  WriteFileSafely(out, JsonText(ExportTree(tree, textDir, records)));
  return kOk;
}

}  // namespace fenu::cli
