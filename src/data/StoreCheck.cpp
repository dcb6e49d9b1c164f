#include "data/StoreCheck.h"

#include <unordered_set>

#include "core/Cp1252.h"
#include "core/Errors.h"
#include "data/TextFiles.h"
#include "data/TreeStore.h"

namespace fenu {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

std::string Join(const std::vector<std::string>& parts) {
  std::string out;
  for (const std::string& part : parts) out += (out.empty() ? "" : ", ") + part;
  return out;
}

std::string EntryPath(const TreeNode& node) {
  constexpr std::size_t kShownLevels = 10;
  std::vector<const std::string*> captions{&node.text};
  const TreeNode* p = node.Parent();
  for (; p && captions.size() < kShownLevels; p = p->Parent()) captions.push_back(&p->text);
  std::string path = p ? "...\\" : "";
  for (auto it = captions.rbegin(); it != captions.rend(); ++it) path += **it + (it + 1 != captions.rend() ? "\\" : "");
  return path;
}

bool LoadTreeForCheck(TTreeViewEx& tree, std::string_view treeFile, std::vector<std::string>& problems) {
  try {
    tree.LoadFromFile(treeFile);
  } catch (const FenuError& e) {
    problems.push_back(std::string("Baumdatei nicht lesbar: ") + e.what());
    return false;
  }
  return true;
}

void CheckSingleBase(const TTreeViewEx& tree, std::vector<std::string>& problems) {
  int bases = 0;
  for (std::size_t i = 0; i < tree.TopCount(); ++i)
    if (tree.TopItem(i)->imageIndex == kImageBase) ++bases;
  if (tree.TopCount() != 1 || bases != 1)
    problems.push_back("Nicht genau ein Basiseintrag auf oberster Ebene: " + std::to_string(tree.TopCount()) +
                       " Einträge, davon Basiseinträge: " + std::to_string(bases));
}

void CheckUnreferencedTexts(const TTreeViewEx& tree, const std::string& textDir, std::vector<std::string>& problems) {
  const std::unordered_set<std::string> named = UsedTextFileNames(tree);
  for (const std::string& file : ListTextFiles(textDir))
    if (!named.contains(UpperCase(file))) problems.push_back("Textdatei " + Quoted(file) + " gehört zu keinem Eintrag");
}

}  // namespace fenu
