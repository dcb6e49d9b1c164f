// fenu-cli: the building-block tool's files without a window. Speaks UTF-8 on the command line
// and cp1252 in the files.
#include <cstdio>
#include <string>
#include <vector>

#include "app/HotkeySpec.h"
#include "core/Cp1252.h"
#include "core/Errors.h"

namespace {

void PrintUtf8(std::FILE* stream, const std::string& cp1252) {
  const std::string text = fenu::Cp1252ToUtf8(cp1252);
  std::fwrite(text.data(), 1, text.size(), stream);
}

int Usage() {
  PrintUtf8(stderr,
            "Aufruf: fenu-cli <Befehl> ...\n"
            "Befehle:\n"
            "  hotkey ERSTER ZWEITER   HotKey-Angabe umrechnen, z. B. hotkey \"[Gross-Strg]\" F5\n");
  return 2;
}

int Hotkey(const std::vector<std::string>& args) {
  if (args.size() != 2) return Usage();
  const fenu::HotkeyCode code = fenu::ConvertHotkey(args[0], args[1]);
  std::printf("modifiers=%u key=%u\n", code.modifiers, code.key);
  return 0;
}

int Run(const std::vector<std::string>& args) {
  if (args.empty()) return Usage();
  const std::string& command = args[0];
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  try {
    if (command == "hotkey") return Hotkey(rest);
  } catch (const fenu::FenuError& e) {
    PrintUtf8(stderr, std::string("Fehler: ") + e.what() + "\n");
    return 1;
  }
  PrintUtf8(stderr, "Unbekannter Befehl \"" + command + "\"\n");
  return Usage();
}

}  // namespace

#ifdef _WIN32
// Arguments arrive as UTF-16 and go straight to cp1252.
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    std::u16string wide;
    for (const wchar_t* p = argv[i]; *p; ++p) wide += static_cast<char16_t>(*p);
    args.push_back(fenu::Utf16ToCp1252(wide));
  }
  return Run(args);
}
#else
int main(int argc, char** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(fenu::Utf8ToCp1252(argv[i]));
  return Run(args);
}
#endif
