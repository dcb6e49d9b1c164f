// fenu-cli hotkey FIRST SECOND: a stored hotkey as Windows registers it.
#include <cstdio>

#include "common/HotkeySpec.h"
#include "cli/Cli.h"

namespace fenu::cli {

int HotkeyCommand(const std::vector<std::string>& args) {
  if (args.size() != 2) return Usage();
  const HotkeyCode code = ConvertHotkey(args[0], args[1]);
  std::printf("modifiers=%u key=%u\n", code.modifiers, code.key);
  return kOk;
}

}  // namespace fenu::cli
