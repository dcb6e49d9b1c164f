#include "cli/TreeJson.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <map>
#include <set>

#include "core/Cp1252.h"
#include "core/FileIo.h"
#include "data/TextFiles.h"

namespace fenu::cli {

std::string Utf8(const std::string& cp1252) { return Cp1252ToUtf8(cp1252); }

void FailAt(const std::string& where, const std::string& what) {
  throw ImportError(where.empty() ? what : where + ": " + what);
}

std::string Cp1252Text(const Json& value, const std::string& where) {
  if (!value.is_string()) FailAt(where, "ein Text wird erwartet");
  const std::string& utf8 = value.get_ref<const std::string&>();
  std::string text = Utf8ToCp1252(utf8);
  if (Cp1252ToUtf8(text) != utf8) FailAt(where, "enthält Zeichen, die es in Codepage 1252 nicht gibt");
  return text;
}

void OnlyKeys(const Json& object, std::initializer_list<const char*> allowed, const std::string& where) {
  for (const auto& item : object.items()) {
    const std::string& key = item.key();
    if (std::none_of(allowed.begin(), allowed.end(), [&](const char* name) { return key == name; }))
      FailAt(where.empty() ? key : where + "." + key, "unbekannter Schlüssel");
  }
}

std::string FieldText(const Json& data, const char* key, const std::string& def, const std::string& where,
                      RecordField field) {
  if (!data.contains(key)) return def;
  const std::string place = where + "." + key;
  std::string text = Cp1252Text(data[key], place);
  if (text.size() > field.capacity) FailAt(place, "höchstens " + std::to_string(field.capacity) + " Zeichen erlaubt");
  return text;
}

namespace {

void CheckDepth(const TTreeViewEx& tree) {
  std::vector<std::pair<const TreeNode*, int>> pending;
  for (std::size_t i = 0; i < tree.TopCount(); ++i) pending.emplace_back(tree.TopItem(i), 1);
  while (!pending.empty()) {
    const auto [node, levels] = pending.back();
    pending.pop_back();
    if (levels > kMaxJsonLevels)
      throw FenuError("Der Baum ist zu tief verschachtelt für JSON (mehr als " + std::to_string(kMaxJsonLevels) +
                      " Ebenen)");
    for (std::size_t i = 0; i < node->Count(); ++i) pending.emplace_back(node->Item(i), levels + 1);
  }
}

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The length of the UTF-8 sequence that starts with lead, or 0 when no character starts so.
std::size_t Utf8SequenceLength(char lead) {
  const auto byte = static_cast<unsigned char>(lead);
  if (byte < 0x80) return 1;
  if (byte >= 0xC2 && byte <= 0xDF) return 2;
  if (byte >= 0xE0 && byte <= 0xEF) return 3;
  if (byte >= 0xF0 && byte <= 0xF4) return 4;
  return 0;
}

// The code point of one whole UTF-8 character (one to four bytes) as four or more hexadecimal
// digits ("2603").
std::string CodePointHex(std::string_view character) {
  const auto lead = static_cast<unsigned char>(character[0]);
  unsigned long point = character.size() == 1 ? lead : lead & (0x7F >> character.size());
  for (std::size_t i = 1; i < character.size(); ++i) point = point << 6 | (static_cast<unsigned char>(character[i]) & 0x3F);
  char hex[16];
  std::snprintf(hex, sizeof hex, "%04lX", point);
  return hex;
}

// ---- dump ----

Json DumpNode(const TreeNode& node, int level, const RecordJson& records) {
  Json out;
  out["caption"] = Utf8(node.text);
  out["level"] = level;
  out["imageIndex"] = node.imageIndex;
  out["stateIndex"] = node.stateIndex;
  out["selectedIndex"] = node.selectedIndex;
  out["dataSize"] = node.data ? static_cast<std::int64_t>(node.data->size()) : -1;
  out["data"] = node.data ? records.Dump(*node.data) : Json(nullptr);
  Json children = Json::array();
  for (std::size_t i = 0; i < node.Count(); ++i) children.push_back(DumpNode(*node.Item(i), level + 1, records));
  out["children"] = std::move(children);
  return out;
}

// ---- export ----

struct Exporter {
  const RecordJson& records;
  std::string textDir;
  std::set<std::string> named;  // text file names the entries use, exactly as written

  Json Node(const TreeNode& node) {
    Json out;
    out["caption"] = Utf8(node.text);
    out["imageIndex"] = node.imageIndex;
    out["stateIndex"] = node.stateIndex;
    out["selectedIndex"] = node.selectedIndex;
    if (node.data) {
      out["data"] = records.Export(*node.data);
      const std::string name = TextFileNameOf(node);
      if (!name.empty()) {
        named.insert(name);
        std::optional<std::string> text;
        if (IsSafeTextFileName(name)) text = ReadFileBytes(textDir + name);
        out["text"] = text ? Json(Utf8(*text)) : Json(nullptr);
      }
    } else {
      out["data"] = nullptr;
    }
    Json children = Json::array();
    for (std::size_t i = 0; i < node.Count(); ++i) children.push_back(Node(*node.Item(i)));
    out["children"] = std::move(children);
    return out;
  }
};

// ---- import ----

class Importer {
 public:
  Importer(RecordJson& records, TTreeViewEx& tree, ImportedTexts& texts)
      : records_(records), tree_(tree), texts_(texts) {}

  void Document(const Json& document) {
    if (!document.is_object()) FailAt("", "ein JSON-Objekt wird erwartet");
    OnlyKeys(document, {"format", "version", "entries", "unreferencedTexts"}, "");
    if (!document.contains("format") || document["format"] != records_.Format())
      FailAt("format", std::string("muss \"") + records_.Format() + "\" sein");
    if (!document.contains("version") || document["version"] != kExportVersion)
      FailAt("version", "muss " + std::to_string(kExportVersion) + " sein");
    if (!document.contains("entries") || !document["entries"].is_array()) FailAt("entries", "ein Array wird erwartet");
    const Json& entries = document["entries"];
    for (std::size_t i = 0; i < entries.size(); ++i) Entry(entries[i], nullptr, "entries[" + std::to_string(i) + "]", 1);

    if (document.contains("unreferencedTexts")) {
      const Json& files = document["unreferencedTexts"];
      if (!files.is_object()) FailAt("unreferencedTexts", "ein Objekt wird erwartet");
      for (const auto& [key, value] : files.items()) {
        const std::string where = "unreferencedTexts." + Utf8ToCp1252(key);
        const std::string name = Cp1252Text(Json(key), where);
        if (!IsSafeTextFileName(name)) FailAt(where, "unzulässiger Dateiname");
        AddText(name, Cp1252Text(value, where), where);
      }
    }
  }

 private:
  static std::int32_t Int(const Json& value, const std::string& where) {
    if (!value.is_number_integer()) FailAt(where, "eine ganze Zahl wird erwartet");
    if (value.is_number_unsigned()) {
      if (value.get<std::uint64_t>() > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
        FailAt(where, "Zahl zu groß");
      return static_cast<std::int32_t>(value.get<std::uint64_t>());
    }
    const std::int64_t number = value.get<std::int64_t>();
    if (number < std::numeric_limits<std::int32_t>::min() || number > std::numeric_limits<std::int32_t>::max())
      FailAt(where, "Zahl außerhalb von 32 Bit");
    return static_cast<std::int32_t>(number);
  }

  void AddText(const std::string& name, std::string bytes, const std::string& where) {
    // Windows does not tell names apart by case: one file, one content.
    const auto [it, added] = byName_.emplace(UpperCase(name), texts_.files.size());
    if (added) {
      texts_.files.emplace_back(name, std::move(bytes));
    } else if (texts_.files[it->second].second != bytes) {
      FailAt(where, "die Textdatei \"" + name + "\" kommt schon mit anderem Text vor");
    }
  }

  void Entry(const Json& entry, TreeNode* parent, const std::string& where, int level) {
    if (level > kMaxJsonLevels) FailAt(where, "zu tief verschachtelt");
    if (!entry.is_object()) FailAt(where, "ein Objekt wird erwartet");
    OnlyKeys(entry, {"caption", "imageIndex", "stateIndex", "selectedIndex", "data", "text", "children"}, where);
    for (const char* key : {"caption", "imageIndex", "selectedIndex"})
      if (!entry.contains(key)) FailAt(where + "." + key, "fehlt");

    TreeNode& node = tree_.AddChild(parent, Cp1252Text(entry["caption"], where + ".caption"));
    node.imageIndex = Int(entry["imageIndex"], where + ".imageIndex");
    node.selectedIndex = Int(entry["selectedIndex"], where + ".selectedIndex");
    node.stateIndex = entry.contains("stateIndex") ? Int(entry["stateIndex"], where + ".stateIndex") : -1;

    if (entry.contains("data") && !entry["data"].is_null()) {
      const Json& data = entry["data"];
      if (!data.is_object()) FailAt(where + ".data", "ein Objekt oder null wird erwartet");
      node.data = records_.Import(data, where, parent);
    }

    if (entry.contains("text") && !entry["text"].is_null()) {
      const std::string place = where + ".text";
      const std::string textFileName = TextFileNameOf(node);
      if (textFileName.empty()) FailAt(place, "ein Text braucht data.TextFileName");
      if (!IsSafeTextFileName(textFileName)) FailAt(where + ".data.TextFileName", "unzulässiger Dateiname");
      AddText(textFileName, Cp1252Text(entry["text"], place), place);
    }

    if (entry.contains("children")) {
      const Json& children = entry["children"];
      if (!children.is_array()) FailAt(where + ".children", "ein Array wird erwartet");
      for (std::size_t i = 0; i < children.size(); ++i)
        Entry(children[i], &node, where + ".children[" + std::to_string(i) + "]", level + 1);
    }
  }

  RecordJson& records_;
  TTreeViewEx& tree_;
  ImportedTexts& texts_;
  std::map<std::string, std::size_t> byName_;  // upper-cased name -> file
};

}  // namespace

Json DumpTree(const TTreeViewEx& tree, const RecordJson& records) {
  CheckDepth(tree);
  Json out = Json::array();
  for (std::size_t i = 0; i < tree.TopCount(); ++i) out.push_back(DumpNode(*tree.TopItem(i), 0, records));
  return out;
}

Json ExportTree(const TTreeViewEx& tree, const std::string& textDir, const RecordJson& records) {
  CheckDepth(tree);
  Exporter exporter{records, textDir, {}};
  Json entries = Json::array();
  for (std::size_t i = 0; i < tree.TopCount(); ++i) entries.push_back(exporter.Node(*tree.TopItem(i)));
  Json unreferenced = Json::object();
  for (const std::string& name : ListTextFiles(textDir)) {
    if (exporter.named.contains(name)) continue;
    if (const auto bytes = ReadFileBytes(textDir + name)) unreferenced[Utf8(name)] = Utf8(*bytes);
  }
  Json document;
  document["format"] = records.Format();
  document["version"] = kExportVersion;
  document["entries"] = std::move(entries);
  document["unreferencedTexts"] = std::move(unreferenced);
  return document;
}

Json ParseJsonDocument(const std::string& utf8) {
  try {
    return Json::parse(utf8);
  } catch (const Json::parse_error& e) {
    // The error lies at the last character read: its line and its column counted in characters.
    const std::size_t at = e.byte == 0 ? 0 : e.byte - 1;
    const std::size_t end = std::min(at, utf8.size());
    std::size_t line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < end; ++i)
      if (utf8[i] == '\n') {
        ++line;
        lineStart = i + 1;
      }
    std::size_t column = 1;
    for (std::size_t i = lineStart; i < end; ++i)
      if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) ++column;  // continuation bytes add nothing

    std::string what;
    if (at >= utf8.size()) {
      what = "unerwartetes Ende des Dokuments";
    } else if (std::string_view(e.what()).find("UTF-8") != std::string_view::npos) {
      what = "ungültiges UTF-8";
    } else {
      // The whole character, from its first byte on; bytes that make no character are named so.
      std::size_t first = at;
      for (int back = 0; back < 3 && first > lineStart && IsContinuationByte(utf8[first]); ++back) --first;
      const std::size_t length = Utf8SequenceLength(utf8[first]);
      bool whole = length > 0 && first + length <= utf8.size() && first + length > at;
      for (std::size_t i = 1; whole && i < length; ++i) whole = IsContinuationByte(utf8[first + i]);
      const std::string character = whole ? utf8.substr(first, length) : std::string();
      const std::string shown = Utf8ToCp1252(character);
      if (!whole)
        what = "ungültiges UTF-8";
      else if (static_cast<unsigned char>(character[0]) < 0x20)
        what = "unerwartetes Steuerzeichen (Code " + std::to_string(static_cast<unsigned char>(character[0])) + ")";
      else if (Cp1252ToUtf8(shown) == character)
        what = "unerwartetes Zeichen \"" + shown + "\"";
      else
        what = "unerwartetes Zeichen U+" + CodePointHex(character);
    }
    throw ImportError("kein gültiges JSON: Zeile " + std::to_string(line) + ", Spalte " + std::to_string(column) + ": " +
                      what);
  } catch (const Json::exception&) {
    throw ImportError("kein gültiges JSON");
  }
}

void ImportTree(const Json& document, RecordJson& records, TTreeViewEx& tree, ImportedTexts& texts) {
  Importer(records, tree, texts).Document(document);
}

std::string JsonText(const Json& json) {
  // Strict: every text in it came from cp1252 and is valid UTF-8.
  return json.dump(2, ' ', false, Json::error_handler_t::strict) + "\n";
}

void RequireExistingTreeFile(const std::string& path) {
  if (!FileExists(path)) throw FileError(DatabaseNotFoundText(path));
}

void LoadExistingTree(TTreeViewEx& tree, const std::string& path) {
  RequireExistingTreeFile(path);
  tree.LoadFromFile(path);
}

void ReadExportDocument(const std::string& file, RecordJson& records, TTreeViewEx& tree, ImportedTexts& texts) {
  const std::optional<std::string> bytes = ReadFileBytes(file);
  if (!bytes) throw FileError("Datei " + file + " kann nicht geöffnet werden");
  try {
    ImportTree(ParseJsonDocument(*bytes), records, tree, texts);
  } catch (const ImportError& e) {
    throw ImportError(file + ": " + e.what());
  }
}

}  // namespace fenu::cli
