#include "core/IniFile.h"

#include "core/Cp1252.h"
#include "core/Errors.h"
#include "core/FileIo.h"
#include "core/Numbers.h"
#include "core/TextLines.h"

namespace fenu {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// "[name]" with the name between the first "[" and the last "]" of the line.
std::optional<std::string_view> SectionHeader(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t close = line.rfind(']');
  if (close == std::string_view::npos || close == 0) return std::nullopt;
  return line.substr(1, close - 1);
}

struct KeyLine {
  std::string_view name;
  std::string_view value;
};

std::optional<KeyLine> KeyValue(std::string_view line) {
  const std::string_view trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
  if (SectionHeader(trimmed)) return std::nullopt;
  const std::size_t eq = trimmed.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  KeyLine kv{Trim(trimmed.substr(0, eq)), Trim(trimmed.substr(eq + 1))};
  if (kv.name.empty()) return std::nullopt;
  return kv;
}

std::string Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  if (value.size() > kMaxProfileValue) value = value.substr(0, kMaxProfileValue);
  return std::string(value);
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view bytes) {
  IniDocument doc;
  for (const TextLine& line : SplitLines(bytes)) doc.lines_.push_back({std::string(line.text), std::string(line.eol)});
  return doc;
}

std::string IniDocument::Serialize() const {
  std::string out;
  for (const Line& line : lines_) out += line.text + line.eol;
  return out;
}

std::string IniDocument::DefaultEol() const {
  for (const Line& line : lines_)
    if (!line.eol.empty()) return line.eol;
  return "\r\n";
}

std::optional<std::pair<std::size_t, std::size_t>> IniDocument::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto name = SectionHeader(lines_[i].text);
    if (!name || !EqualsNoCase(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines_.size() && !SectionHeader(lines_[end].text)) ++end;
    return std::make_pair(i, end);
  }
  return std::nullopt;
}

std::optional<std::string> IniDocument::Value(std::string_view section, std::string_view key) const {
  const auto range = FindSection(section);
  if (!range) return std::nullopt;
  for (std::size_t i = range->first + 1; i < range->second; ++i) {
    const auto kv = KeyValue(lines_[i].text);
    if (kv && EqualsNoCase(kv->name, key)) return Unquote(kv->value);
  }
  return std::nullopt;
}

std::int32_t IniDocument::Integer(std::string_view section, std::string_view key, std::int32_t def) const {
  const auto value = Value(section, key);
  return value ? ParseInt(*value).value_or(def) : def;
}

void IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
  const std::string eol = DefaultEol();
  const auto range = FindSection(section);
  if (!range) {
    if (!lines_.empty()) {
      if (lines_.back().eol.empty()) lines_.back().eol = eol;
      if (!Trim(lines_.back().text).empty()) lines_.push_back({"", eol});
    }
    lines_.push_back({"[" + std::string(section) + "]", eol});
    lines_.push_back({std::string(key) + "=" + std::string(value), eol});
    return;
  }
  std::size_t insertAt = range->first + 1;
  for (std::size_t i = range->first + 1; i < range->second; ++i) {
    const auto kv = KeyValue(lines_[i].text);
    if (!kv) continue;
    if (EqualsNoCase(kv->name, key)) {
      lines_[i].text = std::string(kv->name) + "=" + std::string(value);
      return;
    }
    insertAt = i + 1;
  }
  if (lines_[insertAt - 1].eol.empty()) lines_[insertAt - 1].eol = eol;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                Line{std::string(key) + "=" + std::string(value), eol});
}

void IniDocument::DeleteKey(std::string_view section, std::string_view key) {
  const auto range = FindSection(section);
  if (!range) return;
  for (std::size_t i = range->first + 1; i < range->second; ++i) {
    const auto kv = KeyValue(lines_[i].text);
    if (kv && EqualsNoCase(kv->name, key)) {
      lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(i));
      return;
    }
  }
}

void IniDocument::EraseSection(std::string_view section) {
  const auto range = FindSection(section);
  if (!range) return;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range->first),
               lines_.begin() + static_cast<std::ptrdiff_t>(range->second));
}

bool IniDocument::SectionExists(std::string_view section) const { return FindSection(section).has_value(); }

std::vector<std::string> IniDocument::SectionNames() const {
  std::vector<std::string> names;
  for (const Line& line : lines_)
    if (const auto name = SectionHeader(line.text)) names.emplace_back(*name);
  return names;
}

std::vector<std::string> IniDocument::KeyNames(std::string_view section) const {
  std::vector<std::string> names;
  for (const auto& [name, value] : SectionValues(section)) names.push_back(name);
  return names;
}

std::vector<std::pair<std::string, std::string>> IniDocument::SectionValues(std::string_view section) const {
  std::vector<std::pair<std::string, std::string>> values;
  const auto range = FindSection(section);
  if (!range) return values;
  for (std::size_t i = range->first + 1; i < range->second; ++i)
    if (const auto kv = KeyValue(lines_[i].text)) values.emplace_back(std::string(kv->name), Unquote(kv->value));
  return values;
}

std::string WriteErrorText(std::string_view path) {
  return "nach " + std::string(path) + " kann nicht geschrieben werden";
}

std::optional<std::string> FindProfileDamage(std::string_view bytes, bool wholeLastLine,
                                             const ProfileValueCheck& check) {
  std::string section;
  std::size_t number = 0;
  for (const TextLine& text : SplitLines(bytes)) {
    ++number;
    const std::string_view line = text.text;
    const std::size_t start = text.offset;
    const std::string where = "Zeile " + std::to_string(number) + " bei Byte " + std::to_string(start);
    if (const std::size_t nul = line.find('\0'); nul != std::string_view::npos)
      return "Nullbyte bei Byte " + std::to_string(start + nul) + " (keine Textdatei)";
    const std::string_view trimmed = Trim(line);
    if (const auto header = SectionHeader(trimmed)) {
      section = std::string(*header);
    } else if (const auto kv = KeyValue(line)) {
      const bool quoted = kv->value.size() >= 2 && (kv->value.front() == '"' || kv->value.front() == '\'') &&
                          kv->value.back() == kv->value.front();
      if (kv->value.size() - (quoted ? 2 : 0) > kMaxProfileValue)
        return where + ": Wert länger als " + std::to_string(kMaxProfileValue) + " Zeichen";
      if (check)
        if (auto problem = check(section, kv->name, kv->value)) return where + ": " + *problem;
    } else if (!trimmed.empty() && trimmed.front() != ';') {
      return where + " ist weder Abschnitt noch Eintrag";
    }
    if (text.eol.empty() && wholeLastLine) return "unerwartetes Ende der Daten bei Byte " + std::to_string(bytes.size());
  }
  return std::nullopt;
}

IniDocument IniFile::Load() const {
  const auto bytes = ReadFileBytes(path_);
  return bytes ? IniDocument::Parse(*bytes) : IniDocument();
}

void IniFile::Save(const IniDocument& document) {
  if (!WriteFileReplacing(path_, document.Serialize())) throw FileError(WriteErrorText(path_));
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const {
  if (auto value = Load().Value(section, key)) return *value;
  return std::string(def);
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key, std::int32_t def) const {
  return Load().Integer(section, key, def);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  IniDocument doc = Load();
  doc.SetValue(section, key, value);
  Save(doc);
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void IniFile::DeleteKey(std::string_view section, std::string_view key) {
  IniDocument doc = Load();
  if (!doc.Value(section, key)) return;
  doc.DeleteKey(section, key);
  Save(doc);
}

void IniFile::EraseSection(std::string_view section) {
  IniDocument doc = Load();
  if (!doc.SectionExists(section)) return;
  doc.EraseSection(section);
  Save(doc);
}

bool IniFile::SectionExists(std::string_view section) const { return Load().SectionExists(section); }
bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
  return Load().Value(section, key).has_value();
}
std::vector<std::string> IniFile::ReadSections() const { return Load().SectionNames(); }
std::vector<std::string> IniFile::ReadSection(std::string_view section) const { return Load().KeyNames(section); }
std::vector<std::pair<std::string, std::string>> IniFile::ReadSectionValues(std::string_view section) const {
  return Load().SectionValues(section);
}

}  // namespace fenu
