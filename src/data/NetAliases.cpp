#include "data/NetAliases.h"

namespace fenu {

std::vector<std::string> NetAliases::Read(std::string_view section, const std::vector<std::string>& names) const {
  const IniDocument document = file_.Load();
  std::vector<std::string> aliases;
  aliases.reserve(names.size());
  for (const std::string& name : names) aliases.push_back(document.Value(section, name).value_or(""));
  return aliases;
}

void NetAliases::ReplaceSection(std::string_view section,
                                const std::vector<std::pair<std::string, std::string>>& aliases) {
  IniDocument document = file_.Load();
  document.EraseSection(section);
  for (const auto& [name, alias] : aliases)
    if (!alias.empty()) document.SetValue(section, name, alias);
  file_.Save(document);
}

std::string ComputerEntry(std::string_view name, std::string_view alias) {
  std::string entry(name);
  if (!alias.empty()) entry += " [" + std::string(alias) + "]";
  return entry;
}

}  // namespace fenu
