// Expanding a block with 50 markers, the most one expansion replaces: once only dates and times
// of every kind, once a letter mixing dates, questions answered from a script, the multi-text
// answer, a choice, an optional passage and a nested block read from its file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "expansion/Expansion.h"
#include "expansion/ScriptedPrompts.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeServices.h"

namespace fenu {
namespace {

const char* const kDateMarkers[] = {"<<DatumNormal|0>>", "<<DatumLang|1>>",  "<<ZeitKurz|0>>",  "<<ZeitLang|0>>",
                                    "<<TagZahl|-3>>",    "<<TagKurz|0>>",    "<<TagLang|7>>",   "<<MonatZahl|0>>",
                                    "<<MonatKurz|40>>",  "<<MonatLang|0>>",  "<<Jahr|365>>",    "<<DatumKurz|0>>",
                                    "<<DatumMittel|-1>>"};

std::string DatesBlock() {
  std::string text;
  for (int i = 0; i < 50; ++i) text += std::string("Zeile ") + kDateMarkers[i % 13] + " Text\r\n";
  return text;
}

std::string LetterBlock() {
  std::string text = "<<MehrfachTextA|Name?|Meier>>";
  for (int i = 0; i < 7; ++i) {
    text += "Sehr geehrte <<Auswahl|Anrede>> <<MehrfachText|P>>,\r\n";
    text += "am <<DatumLang|0>> erhielten wir Ihre Nachricht vom <<DatumNormal|-3>>.\r\n";
    text += "<<AnwenderText|Betreff?|Ihre Anfrage>>\r\n";
    text += "<<Optional|Wir melden uns bald wieder.>>\r\n";
    text += "<<BausteinText|0102270703045>>\r\n";
  }
  return text;  // 1 + 7 × 7 = 50 markers
}

struct BlockFolder {
  BlockFolder() : path(std::filesystem::temp_directory_path() / ("fenu-bench-blocks-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path);
    std::ofstream(path / "0102270703045.txt", std::ios::binary)
        << "Mit freundlichen Gr\xFC\xDF" "en\r\nIhr Team\r\n\r\n";
  }
  ~BlockFolder() { std::filesystem::remove_all(path); }
  std::filesystem::path path;
};

void Expand(benchmark::State& state, const std::string& text, bool answers) {
  const BlockFolder folder;
  const std::string blockDir = folder.path.string() + "/";
  FakeServices fake;
  FakeClock clock;
  std::size_t bytes = 0;
  for (auto _ : state) {
    ScriptedPrompts prompts;
    if (answers)
      for (int i = 0; i < 50; ++i) prompts.answers.push_back(i % 3 == 0 ? std::optional<std::string>() : "Antwort");
    ExpansionEngine engine(prompts, clock, clock, fake);
    const ExpansionResult result = engine.ExpandText(text, blockDir);
    if (!result.ok || result.blockMissing || result.text.find("<<") != std::string::npos)
      state.SkipWithError("expansion");
    bytes = result.text.size();
    benchmark::DoNotOptimize(result);
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}

void ExpandFiftyDateMarkers(benchmark::State& state) { Expand(state, DatesBlock(), false); }
void ExpandFiftyMixedMarkers(benchmark::State& state) { Expand(state, LetterBlock(), true); }

BENCHMARK(ExpandFiftyDateMarkers)->Unit(benchmark::kMicrosecond);
BENCHMARK(ExpandFiftyMixedMarkers)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace fenu
