#include "core/Mnemonics.h"

#include "core/Cp1252.h"

namespace fenu {

char MnemonicOf(std::string_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;  // a literal "&"
      continue;
    }
    return UpperCp1252(caption[i + 1]);
  }
  return '\0';
}

std::string RepeatedMnemonics(const std::vector<std::string>& captions) {
  std::string seen;
  std::string repeated;
  for (const std::string& caption : captions) {
    const char mnemonic = MnemonicOf(caption);
    if (mnemonic == '\0') continue;
    if (seen.find(mnemonic) == std::string::npos) seen += mnemonic;
    else if (repeated.find(mnemonic) == std::string::npos) repeated += mnemonic;
  }
  return repeated;
}

}  // namespace fenu
