#pragma once
// The folder of the running executable, with its trailing separator: the program's folder, where
// fenu.ini, Daten\ and Hilfe\ lie.
#include <string>

namespace fenu::ui {

std::string ExecutableFolder();

}  // namespace fenu::ui
