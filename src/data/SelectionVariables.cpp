#include "data/SelectionVariables.h"

#include <algorithm>

#include "core/Cp1252.h"
#include "core/FileIo.h"
#include "data/DamagedFiles.h"

namespace fenu {
namespace {

constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::string_view kValKey = "Val";
constexpr std::string_view kRestrictKey = "Restrict";

bool IsControlOrBlank(char c) { return static_cast<unsigned char>(c) <= 32; }
// Characters 1 to 32: what the reader skips between items.
bool IsSkipped(char c) { return c != '\0' && IsControlOrBlank(c); }

bool NeedsQuotes(std::string_view item) {
  for (const char c : item)
    if (IsControlOrBlank(c) || c == '"' || c == ',') return true;
  return false;
}

// Base64 as EncodeBase64 writes it: whole groups of four from the alphabet, "=" only as the
// padding of the last group.
bool IsWrittenBase64(std::string_view text) {
  if (text.size() % 4 != 0) return false;
  std::size_t padding = 0;
  while (padding < 2 && padding < text.size() && text[text.size() - 1 - padding] == '=') ++padding;
  const std::string_view body = text.substr(0, text.size() - padding);
  return body.find_first_not_of(kAlphabet) == std::string_view::npos;
}

// A value list cut off in the middle is no Base64 the writer makes.
std::optional<std::string> ValueListDamage(std::string_view, std::string_view key, std::string_view value) {
  if (EqualsNoCase(key, kValKey) && !IsWrittenBase64(value))
    return "die Werteliste ist keine vollständige Base64-Kodierung";
  return std::nullopt;
}

unsigned SixBits(char c) {
  const std::size_t at = kAlphabet.find(c);
  return at == std::string_view::npos ? 0u : static_cast<unsigned>(at);
}

}  // namespace

std::string CommaText(const std::vector<std::string>& items) {
  if (items.size() == 1 && items[0].empty()) return "\"\"";
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) text += ',';
    const std::string& item = items[i];
    if (!NeedsQuotes(item)) {
      text += item;
      continue;
    }
    text += '"';
    for (const char c : item) {
      if (c == '"') text += '"';
      text += c;
    }
    text += '"';
  }
  return text;
}

std::vector<std::string> ReadCommaText(std::string_view text) {
  if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
  std::vector<std::string> items;
  std::size_t i = 0;
  while (i < text.size() && IsSkipped(text[i])) ++i;
  while (i < text.size()) {
    std::string item;
    if (text[i] == '"') {
      ++i;
      while (i < text.size()) {
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            item += '"';
            i += 2;
            continue;
          }
          ++i;  // the closing quote
          break;
        }
        item += text[i++];
      }
    } else {
      while (i < text.size() && !IsControlOrBlank(text[i]) && text[i] != ',') item += text[i++];
    }
    items.push_back(std::move(item));
    while (i < text.size() && IsSkipped(text[i])) ++i;
    if (i < text.size() && text[i] == ',') {
      ++i;
      if (i == text.size()) items.emplace_back();
      while (i < text.size() && IsSkipped(text[i])) ++i;
    }
  }
  return items;
}

std::string EncodeBase64(std::string_view bytes) {
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
    unsigned group = static_cast<unsigned char>(bytes[i]) << 16;
    if (n > 1) group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    if (n > 2) group |= static_cast<unsigned char>(bytes[i + 2]);
    out += kAlphabet[(group >> 18) & 63];
    out += kAlphabet[(group >> 12) & 63];
    out += n > 1 ? kAlphabet[(group >> 6) & 63] : '=';
    out += n > 2 ? kAlphabet[group & 63] : '=';
  }
  return out;
}

std::string DecodeBase64(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i + 4 <= text.size(); i += 4) {
    const std::string_view g = text.substr(i, 4);
    if (g[0] == '=') continue;
    const unsigned group = SixBits(g[0]) << 18 | SixBits(g[1]) << 12 | SixBits(g[2]) << 6 | SixBits(g[3]);
    out += static_cast<char>((group >> 16) & 0xFF);
    if (g[2] == '=') continue;
    out += static_cast<char>((group >> 8) & 0xFF);
    if (g[3] == '=') continue;
    out += static_cast<char>(group & 0xFF);
  }
  return out;
}

std::string SelectionVariablesFile(std::string_view appDir) {
  return IncludeTrailingBackslash(appDir) + "Daten\\Auswahl.vdb";
}

bool SelectionVariables::FileExists() const { return fenu::FileExists(ini_.FileName()); }

std::optional<std::string> SelectionVariables::Damage() const {
  if (!FileExists()) return std::nullopt;
  const std::optional<std::string> bytes = ReadFileBytes(ini_.FileName());
  if (!bytes) return kCannotOpenFile;
  return FindProfileDamage(*bytes, false, ValueListDamage);
}

void SelectionVariables::CheckWhole() const {
  if (const auto damage = Damage())
    throw DamagedFileError(UnreadableFileText("Die Datei mit den Auswahl-Variablen", ini_.FileName(), *damage));
}

bool SelectionVariables::VariableExists(std::string_view name) const { return ini_.SectionExists(name); }

std::vector<std::string> SelectionVariables::ReadList(std::string_view name) const {
  return ReadCommaText(DecodeBase64(ini_.ReadString(name, kValKey, "")));
}

bool SelectionVariables::ReadRestriction(std::string_view name, bool def) const {
  return ini_.ReadBool(name, kRestrictKey, def);
}

bool SelectionVariables::FitsInStore(const std::vector<std::string>& values) {
  const std::size_t bytes = CommaText(values).size();
  return (bytes + 2) / 3 * 4 <= kMaxEncodedValueList;
}

void SelectionVariables::WriteList(std::string_view name, const std::vector<std::string>& values, bool restricted) {
  if (!FitsInStore(values))
    throw ValueListTooLong("Die Werteliste der Auswahl-Variable \"" + std::string(name) +
                           "\" ist zu lang und wurde nicht gespeichert.");
  CheckWhole();
  // The first write creates the file, and the folder Daten\ if it is missing.
  const std::string folder = ExtractFilePath(ini_.FileName());
  if (!folder.empty() && !DirectoryExists(folder) && !ForceDirectories(folder))
    throw FileError(WriteErrorText(ini_.FileName()));
  IniDocument document = ini_.Load();
  document.SetValue(name, kValKey, EncodeBase64(CommaText(values)));
  document.SetValue(name, kRestrictKey, restricted ? "1" : "0");
  ini_.Save(document);
}

void SelectionVariables::DeleteVariable(std::string_view name) {
  CheckWhole();
  ini_.EraseSection(name);
}

std::vector<std::string> SelectionVariables::VariableNames() const { return ini_.ReadSections(); }

}  // namespace fenu
