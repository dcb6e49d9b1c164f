#pragma once
// The help file AppDir\Hilfe\Fenu.chm and the context numbers that windows open it at.
#include <string>
#include <string_view>

#include "platform/Services.h"

namespace fenu {

inline constexpr const char* kHelpFile = "Hilfe\\Fenu.chm";

// Topic page of a context number; unknown numbers open the overview.
const char* HelpTopicForContext(int context);

void ShowHelpContext(IHelpViewer& viewer, std::string_view appDir, int context);
// For windows without a context number: their page of the help file by name.
void ShowHelpTopic(IHelpViewer& viewer, std::string_view appDir, std::string_view topic);

}  // namespace fenu
