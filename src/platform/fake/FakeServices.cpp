#include "platform/fake/FakeServices.h"

#include "core/Cp1252.h"

namespace fenu {
namespace {

const char* ResultName(MsgResult result) {
  switch (result) {
    case MsgResult::Ok: return "OK";
    case MsgResult::Cancel: return "Abbrechen";
    case MsgResult::Yes: return "Ja";
    case MsgResult::No: return "Nein";
  }
  return "?";
}

MsgResult FirstButton(MsgButtons buttons) {
  return buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel ? MsgResult::Ok : MsgResult::Yes;
}

}  // namespace

std::vector<std::string> FakeServices::LogOf(const std::string& prefix) const {
  std::vector<std::string> lines;
  for (const std::string& line : log)
    if (line.rfind(prefix, 0) == 0) lines.push_back(line);
  return lines;
}

MsgResult FakeServices::MessageDlg(MsgKind kind, std::string_view text, MsgButtons buttons) {
  MsgResult answer = FirstButton(buttons);
  if (!messageAnswers.empty()) {
    answer = messageAnswers.front();
    messageAnswers.pop_front();
  }
  log.push_back(std::string("MessageBox ") + MsgKindTitle(kind) + " \"" + std::string(text) + "\" -> " +
                ResultName(answer));
  return answer;
}

namespace {

bool TakeAnswer(std::deque<std::optional<std::string>>& answers, std::string& value) {
  if (answers.empty()) return false;
  const std::optional<std::string> answer = answers.front();
  answers.pop_front();
  if (!answer) return false;
  value = *answer;
  return true;
}

}  // namespace

bool FakeServices::InputQuery(std::string_view caption, std::string_view prompt, std::string& value) {
  const bool ok = TakeAnswer(inputAnswers, value);
  log.push_back("InputQuery \"" + std::string(caption) + "\" \"" + std::string(prompt) + "\" -> " +
                (ok ? "\"" + value + "\"" : std::string("Abbrechen")));
  return ok;
}

bool FakeServices::OpenFile(const FileDialogOptions& options, std::string& path) {
  const bool ok = TakeAnswer(fileAnswers, path);
  log.push_back("OpenFile \"" + options.title + "\" " + options.filter + " -> " + (ok ? path : "Abbrechen"));
  return ok;
}

bool FakeServices::SaveFile(const FileDialogOptions& options, std::string& path) {
  const bool ok = TakeAnswer(fileAnswers, path);
  log.push_back("SaveFile \"" + options.title + "\" " + options.filter + " -> " + (ok ? path : "Abbrechen"));
  return ok;
}

void FakeServices::Beep(SoundKind kind) { log.push_back(kind == SoundKind::Default ? "Beep" : "Beep Exclamation"); }

int FakeServices::CompareText(std::string_view a, std::string_view b) { return CompareNoCase(a, b); }

int FakeServices::CompareStr(std::string_view a, std::string_view b) {
  // Like the locale's word order: letters without regard to case first, then lower before upper.
  if (const int folded = CompareNoCase(a, b)) return folded;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (a[i] == b[i]) continue;
    const bool aLower = LowerCp1252(a[i]) == a[i];
    return aLower ? -1 : 1;
  }
  return 0;
}

std::uint16_t FakeServices::AddAtom(std::string_view name) {
  const std::string key = UpperCase(name);
  auto it = atomValues_.find(key);
  if (it == atomValues_.end() || atomRefs[it->second] == 0) {
    const std::uint16_t value = it == atomValues_.end() ? nextAtom_++ : it->second;
    atomValues_[key] = value;
  }
  const std::uint16_t value = atomValues_[key];
  ++atomRefs[value];
  log.push_back("AddAtom " + std::string(name));
  return value;
}

void FakeServices::DeleteAtom(std::uint16_t atom) {
  auto it = atomRefs.find(atom);
  if (it != atomRefs.end() && it->second > 0) --it->second;
}

bool FakeServices::RegisterHotkey(std::uint32_t id, unsigned modifiers, unsigned key) {
  bool ok = key != 0 && !registered.count(id);
  for (const auto& [mods, vk] : takenHotkeys) ok = ok && !(mods == modifiers && vk == key);
  for (const auto& [otherId, reg] : registered) ok = ok && !(reg.modifiers == modifiers && reg.key == key);
  if (ok) registered[id] = {modifiers, key};
  log.push_back("RegisterHotkey " + std::to_string(modifiers) + " " + std::to_string(key) + (ok ? "" : " refused"));
  return ok;
}

void FakeServices::UnregisterHotkey(std::uint32_t id) { registered.erase(id); }

WindowHandle FakeServices::CaptureTarget() {
  log.push_back("CaptureTarget -> " + std::to_string(focusedControl));
  return focusedControl;
}

bool FakeServices::ForceForeground(WindowHandle window) {
  log.push_back("ForceForeground " + std::to_string(window));
  return true;
}

void FakeServices::Execute(std::string_view target, std::string_view arguments, ShowState state) {
  const char* how = state == ShowState::Normal ? "normal" : state == ShowState::Maximized ? "maximiert" : "versteckt";
  log.push_back("Shell \"" + std::string(target) + "\" \"" + std::string(arguments) + "\" " + how);
}

void FakeServices::ShowTopic(std::string_view helpFile, std::string_view topic) {
  log.push_back("Help " + std::string(helpFile) + "::/" + std::string(topic));
}

bool FakeServices::CreateOwnedMutexExisted(std::string_view name) {
  log.push_back("Mutex " + std::string(name));
  return mutexExists;
}

// The fake's "block" is the file name; the data stays in versionResources.
bool FakeServices::Read(std::string_view file, std::string& block) {
  log.push_back("VersionResource " + std::string(file));
  if (!versionResources.count(std::string(file))) return false;
  block = std::string(file);
  return true;
}

bool FakeServices::Translation(const std::string& block, std::uint16_t& language, std::uint16_t& codePage) {
  const auto it = versionResources.find(block);
  if (it == versionResources.end()) return false;
  language = it->second.language;
  codePage = it->second.codePage;
  return true;
}

bool FakeServices::QueryString(const std::string& block, std::string_view key, std::string& value) {
  log.push_back("VersionQuery " + std::string(key));
  const auto it = versionResources.find(block);
  if (it == versionResources.end()) return false;
  const auto entry = it->second.strings.find(std::string(key));
  if (entry == it->second.strings.end()) return false;
  value = entry->second;
  return true;
}

}  // namespace fenu
