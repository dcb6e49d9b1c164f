#pragma once
// The help file AppDir\Hilfe\Fenu.chm and the context numbers that windows open it at.
#include <string>
#include <string_view>

#include "platform/Services.h"

namespace fenu {

inline constexpr const char* kHelpFile = "Hilfe\\Fenu.chm";

// Context numbers of windows whose help has no number of its own elsewhere: the overview (the
// first-start windows), the options with the database password (also the password dialog) and
// the abbreviation window. Dialogs that belong to another window show that window's help.
inline constexpr int kHelpOverview = 1;
inline constexpr int kHelpOptions = 6;
inline constexpr int kHelpAbbreviation = 12;

// Topic page of a context number; unknown numbers open the overview.
const char* HelpTopicForContext(int context);

void ShowHelpContext(IHelpViewer& viewer, std::string_view appDir, int context);
// For windows without a context number: their page of the help file by name.
void ShowHelpTopic(IHelpViewer& viewer, std::string_view appDir, std::string_view topic);

}  // namespace fenu
