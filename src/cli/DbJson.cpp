#include "cli/DbJson.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <map>
#include <set>

#include "core/Cp1252.h"
#include "core/FileIo.h"
#include "data/BlockData.h"
#include "data/Database.h"

namespace fenu::cli {
namespace {

std::string Utf8(const std::string& cp1252) { return Cp1252ToUtf8(cp1252); }

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

// The code point of one UTF-8 character as four or more hexadecimal digits ("2603").
std::string CodePointHex(std::string_view character) {
  const auto lead = static_cast<unsigned char>(character[0]);
  unsigned long point = character.size() == 1 ? lead : lead & (0x7F >> character.size());
  for (std::size_t i = 1; i < character.size(); ++i) point = point << 6 | (static_cast<unsigned char>(character[i]) & 0x3F);
  char hex[16];
  std::snprintf(hex, sizeof hex, "%04lX", point);
  return hex;
}

// ---- dump ----

Json DumpNode(const TreeNode& node, int level) {
  Json out;
  out["caption"] = Utf8(node.text);
  out["level"] = level;
  out["imageIndex"] = node.imageIndex;
  out["stateIndex"] = node.stateIndex;
  out["selectedIndex"] = node.selectedIndex;
  out["dataSize"] = node.data ? static_cast<std::int64_t>(node.data->size()) : -1;
  if (node.data) {
    const BlockData data = BlockData::FromBytes(*node.data);
    out["data"] = Json{{"TextFileName", Utf8(data.textFileName)},
                       {"Show", Utf8(data.show)},
                       {"QuickKey", Utf8(data.quickKey)},
                       {"Abbreviation", Utf8(data.abbreviation)},
                       {"Preview", Utf8(data.preview)}};
  } else {
    out["data"] = nullptr;
  }
  Json children = Json::array();
  for (std::size_t i = 0; i < node.Count(); ++i) children.push_back(DumpNode(*node.Item(i), level + 1));
  out["children"] = std::move(children);
  return out;
}

// ---- export ----

struct Exporter {
  std::string blockDir;
  std::set<std::string> named;  // text file names the entries use, exactly as written

  Json Node(const TreeNode& node) {
    Json out;
    out["caption"] = Utf8(node.text);
    out["imageIndex"] = node.imageIndex;
    out["stateIndex"] = node.stateIndex;
    out["selectedIndex"] = node.selectedIndex;
    if (node.data) {
      const BlockData data = BlockData::FromBytes(*node.data);
      out["data"] = Json{{"TextFileName", Utf8(data.textFileName)}, {"Show", Utf8(data.show)},
                         {"QuickKey", Utf8(data.quickKey)},         {"Abbreviation", Utf8(data.abbreviation)},
                         {"Preview", Utf8(data.preview)},           {"Extra1", Utf8(data.extra1)},
                         {"Extra2", Utf8(data.extra2)}};
      if (!data.textFileName.empty()) {
        named.insert(data.textFileName);
        std::optional<std::string> text;
        if (IsSafeTextFileName(data.textFileName)) text = ReadFileBytes(blockDir + data.textFileName);
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
  Importer(TTreeViewEx& tree, ImportedTexts& texts) : tree_(tree), texts_(texts) {}

  void Document(const Json& document) {
    if (!document.is_object()) Fail("", "ein JSON-Objekt wird erwartet");
    for (const auto& [key, value] : document.items())
      if (key != "format" && key != "version" && key != "entries" && key != "unreferencedTexts")
        Fail(key, "unbekannter Schlüssel");
    if (!document.contains("format") || document["format"] != kExportFormat)
      Fail("format", std::string("muss \"") + kExportFormat + "\" sein");
    if (!document.contains("version") || document["version"] != kExportVersion)
      Fail("version", "muss " + std::to_string(kExportVersion) + " sein");
    if (!document.contains("entries") || !document["entries"].is_array()) Fail("entries", "ein Array wird erwartet");
    const Json& entries = document["entries"];
    Places topKeys;
    for (std::size_t i = 0; i < entries.size(); ++i)
      Entry(entries[i], nullptr, "entries[" + std::to_string(i) + "]", 1, topKeys);

    if (document.contains("unreferencedTexts")) {
      const Json& files = document["unreferencedTexts"];
      if (!files.is_object()) Fail("unreferencedTexts", "ein Objekt wird erwartet");
      for (const auto& [key, value] : files.items()) {
        const std::string where = "unreferencedTexts." + Utf8ToCp1252(key);
        const std::string name = Cp1252(Json(key), where);
        if (!IsSafeTextFileName(name)) Fail(where, "unzulässiger Dateiname");
        AddText(name, Cp1252(value, where), where);
      }
    }
  }

 private:
  [[noreturn]] static void Fail(const std::string& where, const std::string& what) {
    throw ImportError(where.empty() ? what : where + ": " + what);
  }

  // A JSON text as cp1252; characters the code page lacks are refused rather than replaced.
  static std::string Cp1252(const Json& value, const std::string& where) {
    if (!value.is_string()) Fail(where, "ein Text wird erwartet");
    const std::string& utf8 = value.get_ref<const std::string&>();
    std::string text = Utf8ToCp1252(utf8);
    if (Cp1252ToUtf8(text) != utf8) Fail(where, "enthält Zeichen, die es in Codepage 1252 nicht gibt");
    return text;
  }

  static std::int32_t Int(const Json& value, const std::string& where) {
    if (!value.is_number_integer()) Fail(where, "eine ganze Zahl wird erwartet");
    if (value.is_number_unsigned()) {
      if (value.get<std::uint64_t>() > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()))
        Fail(where, "Zahl zu groß");
      return static_cast<std::int32_t>(value.get<std::uint64_t>());
    }
    const std::int64_t number = value.get<std::int64_t>();
    if (number < std::numeric_limits<std::int32_t>::min() || number > std::numeric_limits<std::int32_t>::max())
      Fail(where, "Zahl außerhalb von 32 Bit");
    return static_cast<std::int32_t>(number);
  }

  static std::string Field(const Json& data, const char* key, const std::string& def, const std::string& where,
                           BlockField field) {
    if (!data.contains(key)) return def;
    const std::string place = where + "." + key;
    std::string text = Cp1252(data[key], place);
    if (text.size() > field.capacity)
      Fail(place, "höchstens " + std::to_string(field.capacity) + " Zeichen erlaubt");
    return text;
  }

  void AddText(const std::string& name, std::string bytes, const std::string& where) {
    // Windows does not tell names apart by case: one file, one content.
    const auto [it, added] = byName_.emplace(UpperCase(name), texts_.files.size());
    if (added) {
      texts_.files.emplace_back(name, std::move(bytes));
    } else if (texts_.files[it->second].second != bytes) {
      Fail(where, "die Textdatei \"" + name + "\" kommt schon mit anderem Text vor");
    }
  }

  // Upper-cased quick key or abbreviation -> the place of the entry that has it.
  using Places = std::map<std::string, std::string>;

  // What the management window would never store: quick keys and abbreviations of other
  // characters, an abbreviation used twice anywhere (the index holds it once, whatever the case),
  // a quick key used twice in one folder.
  void CheckKeys(const BlockData& record, const std::string& where, Places& siblingKeys) {
    const std::string place = where + ".data";
    if (!IsStoredQuickKey(record.quickKey))
      Fail(place + ".QuickKey", "nur eine Ziffer 0-9 oder ein Großbuchstabe A-Z erlaubt");
    if (!IsStoredAbbreviation(record.abbreviation))
      Fail(place + ".Abbreviation", "nur Kleinbuchstaben a-z und Ziffern 0-9 erlaubt");
    if (!record.quickKey.empty()) {
      const auto [it, added] = siblingKeys.emplace(UpperCase(record.quickKey), where);
      if (!added)
        Fail(place + ".QuickKey",
             "die Kurztaste \"" + record.quickKey + "\" hat im selben Ordner schon " + it->second);
    }
    if (!record.abbreviation.empty()) {
      const auto [it, added] = abbreviations_.emplace(UpperCase(record.abbreviation), where);
      if (!added) Fail(place + ".Abbreviation", "das Kürzel \"" + record.abbreviation + "\" hat schon " + it->second);
    }
  }

  void Entry(const Json& entry, TreeNode* parent, const std::string& where, int level, Places& siblingKeys) {
    if (level > kMaxJsonLevels) Fail(where, "zu tief verschachtelt");
    if (!entry.is_object()) Fail(where, "ein Objekt wird erwartet");
    for (const auto& [key, value] : entry.items())
      if (key != "caption" && key != "imageIndex" && key != "stateIndex" && key != "selectedIndex" && key != "data" &&
          key != "text" && key != "children")
        Fail(where + "." + key, "unbekannter Schlüssel");
    for (const char* key : {"caption", "imageIndex", "selectedIndex"})
      if (!entry.contains(key)) Fail(where + "." + key, "fehlt");

    TreeNode& node = tree_.AddChild(parent, Cp1252(entry["caption"], where + ".caption"));
    node.imageIndex = Int(entry["imageIndex"], where + ".imageIndex");
    node.selectedIndex = Int(entry["selectedIndex"], where + ".selectedIndex");
    node.stateIndex = entry.contains("stateIndex") ? Int(entry["stateIndex"], where + ".stateIndex") : -1;

    std::string textFileName;
    if (entry.contains("data") && !entry["data"].is_null()) {
      const Json& data = entry["data"];
      const std::string place = where + ".data";
      if (!data.is_object()) Fail(place, "ein Objekt oder null wird erwartet");
      for (const auto& [key, value] : data.items())
        if (key != "TextFileName" && key != "Show" && key != "QuickKey" && key != "Abbreviation" && key != "Preview" &&
            key != "Extra1" && key != "Extra2")
          Fail(place + "." + key, "unbekannter Schlüssel");
      const BlockData fresh = NewBlockData();
      BlockData record;
      record.textFileName = Field(data, "TextFileName", fresh.textFileName, place, kTextFileNameField);
      record.show = Field(data, "Show", fresh.show, place, kShowField);
      record.quickKey = Field(data, "QuickKey", fresh.quickKey, place, kQuickKeyField);
      record.abbreviation = Field(data, "Abbreviation", fresh.abbreviation, place, kAbbreviationField);
      record.preview = Field(data, "Preview", fresh.preview, place, kPreviewField);
      record.extra1 = Field(data, "Extra1", fresh.extra1, place, kExtra1Field);
      record.extra2 = Field(data, "Extra2", fresh.extra2, place, kExtra2Field);
      CheckKeys(record, where, siblingKeys);
      SetBlockData(node, record);
      textFileName = record.textFileName;
    }

    if (entry.contains("text") && !entry["text"].is_null()) {
      const std::string place = where + ".text";
      if (textFileName.empty()) Fail(place, "ein Text braucht data.TextFileName");
      if (!IsSafeTextFileName(textFileName)) Fail(where + ".data.TextFileName", "unzulässiger Dateiname");
      AddText(textFileName, Cp1252(entry["text"], place), place);
    }

    if (entry.contains("children")) {
      const Json& children = entry["children"];
      if (!children.is_array()) Fail(where + ".children", "ein Array wird erwartet");
      Places childKeys;
      for (std::size_t i = 0; i < children.size(); ++i)
        Entry(children[i], &node, where + ".children[" + std::to_string(i) + "]", level + 1, childKeys);
    }
  }

  TTreeViewEx& tree_;
  ImportedTexts& texts_;
  std::map<std::string, std::size_t> byName_;  // upper-cased name -> file
  Places abbreviations_;
};

}  // namespace

Json DumpTree(const TTreeViewEx& tree) {
  CheckDepth(tree);
  Json out = Json::array();
  for (std::size_t i = 0; i < tree.TopCount(); ++i) out.push_back(DumpNode(*tree.TopItem(i), 0));
  return out;
}

Json ExportDatabase(const TTreeViewEx& tree, const std::string& blockDir) {
  CheckDepth(tree);
  Exporter exporter{blockDir, {}};
  Json entries = Json::array();
  for (std::size_t i = 0; i < tree.TopCount(); ++i) entries.push_back(exporter.Node(*tree.TopItem(i)));
  Json unreferenced = Json::object();
  for (const std::string& name : ListBlockTextFiles(blockDir)) {
    if (exporter.named.contains(name)) continue;
    if (const auto bytes = ReadFileBytes(blockDir + name)) unreferenced[Utf8(name)] = Utf8(*bytes);
  }
  Json document;
  document["format"] = kExportFormat;
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
      // The whole character, from its first byte on.
      std::size_t first = at;
      while (first > lineStart && (static_cast<unsigned char>(utf8[first]) & 0xC0) == 0x80) --first;
      std::size_t last = first + 1;
      while (last < utf8.size() && (static_cast<unsigned char>(utf8[last]) & 0xC0) == 0x80) ++last;
      const std::string character = utf8.substr(first, last - first);
      const std::string shown = Utf8ToCp1252(character);
      if (static_cast<unsigned char>(character[0]) < 0x20)
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

void ImportDatabase(const Json& document, TTreeViewEx& tree, ImportedTexts& texts) {
  Importer(tree, texts).Document(document);
}

}  // namespace fenu::cli
