#include "common/Help.h"

#include <array>
#include <utility>

namespace fenu {

const char* HelpTopicForContext(int context) {
  static constexpr std::array<std::pair<int, const char*>, 10> kTopics = {{
      {kHelpOverview, "index.htm"},
      {2, "hotkey.htm"},
      {3, "variablen.htm"},
      {5, "archiv.htm"},
      {kHelpOptions, "optionen.htm"},
      {7, "kalender.htm"},
      {9, "verwaltung.htm"},
      {11, "auswahl.htm"},
      {kHelpAbbreviation, "kuerzel.htm"},
      {3500, "stringliste.htm"},
  }};
  for (const auto& [number, topic] : kTopics)
    if (number == context) return topic;
  return "index.htm";
}

void ShowHelpContext(IHelpViewer& viewer, std::string_view appDir, int context) {
  ShowHelpTopic(viewer, appDir, HelpTopicForContext(context));
}

void ShowHelpTopic(IHelpViewer& viewer, std::string_view appDir, std::string_view topic) {
  viewer.ShowTopic(std::string(appDir) + kHelpFile, topic);
}

}  // namespace fenu
