// Feeds any text to the expansion engine. The bytes up to the first NUL are the block text; every
// further NUL-separated part answers the next question ("\x7F" cancels it). Nested blocks come
// from a small folder with a block that includes itself, one with questions and trailing blank
// lines, one with a faulty marker and one that includes another.
//
// Whatever the text: no crash, no read past a buffer; at most 50 questions; exactly one error box
// when the expansion failed or stopped at a missing block and none otherwise; a text without
// "<<" comes back unchanged; and the result grows by a bounded amount per pass.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

#include "expansion/Expansion.h"
#include "expansion/ScriptedPrompts.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

class CountingDialogs : public fenu::IDialogs {
 public:
  int boxes = 0;
  fenu::MsgResult MessageDlg(fenu::MsgKind, std::string_view, fenu::MsgButtons) override {
    ++boxes;
    return fenu::MsgResult::Ok;
  }
  bool InputQuery(std::string_view, std::string_view, std::string&) override { return false; }
  bool OpenFile(const fenu::FileDialogOptions&, std::string&) override { return false; }
  bool SaveFile(const fenu::FileDialogOptions&, std::string&) override { return false; }
};

class FixedClock : public fenu::IClock, public fenu::ILocale {
 public:
  fenu::LocalTime moment{2026, 12, 9, 14, 5, 33, 0};
  fenu::LocalTime Now() override { return moment; }
  fenu::LocaleNames Names() override { return fenu::GermanLocaleNames(); }
};

std::filesystem::path& BlockFolder() {
  static std::filesystem::path folder;
  return folder;
}

void RemoveBlockFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(BlockFolder(), ignored);
}

void WriteBlock(const std::string& id, const std::string& text) {
  std::ofstream out(BlockFolder() / (id + ".txt"), std::ios::binary);
  out << text;
}

// The largest text one block of the folder contributes.
constexpr std::size_t kLargestBlock = 100;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  BlockFolder() = std::filesystem::temp_directory_path() / ("fenu-expansion-fuzz-" + std::to_string(::getpid()));
  std::filesystem::create_directories(BlockFolder());
  std::atexit(RemoveBlockFolder);
  WriteBlock("0000000000001", "x<<BausteinText|0000000000001>>\r\n");
  WriteBlock("0000000000002", "<<AnwenderText|Name?|Meier>> <<MehrfachTextA|Wer?|>>\r\n<<DatumLang|1>> \r\n\r\n");
  WriteBlock("0000000000003", "<<Jahr|x>>");
  WriteBlock("0000000000004", "<<BausteinText|0000000000002>><<MehrfachText|P>><<Optional|a|b>>");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t end = bytes.find('\0');
  const std::string_view text = bytes.substr(0, end);

  fenu::ScriptedPrompts prompts;
  std::size_t largestAnswer = 0;
  for (std::size_t at = end; at != std::string_view::npos && at < bytes.size();) {
    const std::size_t next = bytes.find('\0', at + 1);
    const std::string_view answer = bytes.substr(at + 1, next == std::string_view::npos ? next : next - at - 1);
    if (answer == "\x7F") {
      prompts.answers.emplace_back(std::nullopt);
    } else {
      prompts.answers.emplace_back(std::string(answer));
      largestAnswer = std::max(largestAnswer, answer.size());
    }
    at = next;
  }

  FixedClock clock;
  if (text.size() % 2 == 0) clock.moment = fenu::LocalTime{2026, 12, 9, 0, 0, 0, 0};
  CountingDialogs dialogs;
  fenu::ExpansionEngine engine(prompts, clock, clock, dialogs);
  const fenu::ExpansionResult result = engine.ExpandText(text, BlockFolder().string());

  const std::size_t passes = fenu::ExpansionEngine::kMaxPasses;
  Check(prompts.log.size() <= passes);
  Check(dialogs.boxes == (result.ok && !result.blockMissing ? 0 : 1));
  Check(result.ok || !result.blockMissing);
  if (text.find("<<") == std::string_view::npos) Check(result.text == text);
  // Before the multi-text answer is remembered, a pass adds at most an answer, a block or a date
  // (other replacements are parts of their marker); the remembered answer is at most the text
  // reached then, and each later pass adds at most that.
  const std::size_t step = std::max(largestAnswer, kLargestBlock);
  Check(result.text.size() <= (passes + 1) * (text.size() + passes * step));
  return 0;
}
