#pragma once
// Scriptable stand-ins for the operating system. Every call is logged as a line that reads like
// the user's story ("MessageBox Fehler \"...\" -> OK"); dialogs answer from a script.
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/Services.h"
#include "platform/fake/FakeFindReplace.h"

namespace fenu {

class FakeServices : public IDialogs,
                     public IHotkeyService,
                     public IFocus,
                     public IShellExec,
                     public IHelpViewer,
                     public IInstance,
                     public IVersionResource,
                     public ISound,
                     public ICollation,
                     public IFolderBrowser,
                     public INetwork,
                     public IFontDialog {
 public:
  FakeServices()
      : services{*this, *this, *this, *this, *this, *this, *this, *this, *this, *this, *this, *this, findReplace} {}
  FakeServices(const FakeServices&) = delete;
  FakeServices& operator=(const FakeServices&) = delete;

  Services services;
  std::vector<std::string> log;
  // The find and replace dialogs, logging into the same story.
  FakeFindReplace findReplace{log};

  // Answers for the next message boxes, in order; without one a box answers with its first button.
  std::deque<MsgResult> messageAnswers;
  // Answers for the next input dialogs and file dialogs, in order; without one they are cancelled.
  // An answer of std::nullopt cancels.
  std::deque<std::optional<std::string>> inputAnswers;
  std::deque<std::optional<std::string>> fileAnswers;

  // What CaptureTarget returns next.
  WindowHandle focusedControl = 0;
  // Whether the named mutex exists already.
  bool mutexExists = false;
  // Hotkey combinations that another program holds.
  std::vector<std::pair<unsigned, unsigned>> takenHotkeys;

  // Version resources by file name: the translation and the string entries by full key.
  struct VersionResource {
    std::uint16_t language = 0x0407;
    std::uint16_t codePage = 0x04E4;
    std::map<std::string, std::string> strings;
  };
  std::map<std::string, VersionResource> versionResources;

  struct Registration {
    unsigned modifiers;
    unsigned key;
  };
  // Hotkeys registered now, by identifier.
  std::map<std::uint32_t, Registration> registered;
  // Reference counts of the global atoms, by value.
  std::map<std::uint16_t, int> atomRefs;

  // Answers for the next folder-browse dialogs, in order; without one, or with std::nullopt,
  // the dialog is cancelled.
  std::deque<std::optional<std::string>> folderAnswers;
  // Answers for the next font dialogs, in order; without one, or with std::nullopt, the dialog
  // is cancelled.
  std::deque<std::optional<FontSpec>> fontAnswers;

  // The network: the entries that an enumeration starting at a resource hands out, by the start's
  // remote name ("" for the top, where the providers are), and the error codes to answer with.
  std::map<std::string, std::vector<NetResource>> netEntries;
  std::map<std::string, std::uint32_t> netOpenErrors;
  std::map<std::string, std::uint32_t> netEnumErrors;
  std::uint32_t netCloseError = 0;
  // How many entries one EnumResource call hands out.
  std::size_t netEntriesPerCall = 1000;
  std::string computerName = "PC01";
  // The system's texts by error code; others read "Systemfehler <code>".
  std::map<std::uint32_t, std::string> errorTexts;
  // Enumerations opened and not closed yet.
  int openNetEnums = 0;

  // Log lines that start with prefix.
  std::vector<std::string> LogOf(const std::string& prefix) const;

  MsgResult MessageDlg(MsgKind kind, std::string_view text, MsgButtons buttons) override;
  bool InputQuery(std::string_view caption, std::string_view prompt, std::string& value) override;
  bool OpenFile(const FileDialogOptions& options, std::string& path) override;
  bool SaveFile(const FileDialogOptions& options, std::string& path) override;
  void Beep(SoundKind kind) override;
  int CompareText(std::string_view a, std::string_view b) override;
  int CompareStr(std::string_view a, std::string_view b) override;
  std::uint16_t AddAtom(std::string_view name) override;
  void DeleteAtom(std::uint16_t atom) override;
  bool RegisterHotkey(std::uint32_t id, unsigned modifiers, unsigned key) override;
  void UnregisterHotkey(std::uint32_t id) override;
  WindowHandle CaptureTarget() override;
  bool ForceForeground(WindowHandle window) override;
  void Execute(std::string_view target, std::string_view arguments, ShowState state) override;
  void ShowTopic(std::string_view helpFile, std::string_view topic) override;
  bool CreateOwnedMutexExisted(std::string_view name) override;
  bool Read(std::string_view file, std::string& block) override;
  bool Translation(const std::string& block, std::uint16_t& language, std::uint16_t& codePage) override;
  bool QueryString(const std::string& block, std::string_view key, std::string& value) override;
  bool BrowseForFolder(std::string_view title, std::string& path) override;
  bool Choose(FontSpec& font) override;
  std::uint32_t OpenEnum(std::uint32_t scope, std::uint32_t type, std::uint32_t usage, const NetResource* start,
                         NetEnumHandle& handle) override;
  std::uint32_t EnumResource(NetEnumHandle handle, std::vector<NetResource>& entries) override;
  std::uint32_t CloseEnum(NetEnumHandle handle) override;
  std::string ComputerName() override;
  std::string ErrorText(std::uint32_t code) override;

 private:
  std::map<std::string, std::uint16_t> atomValues_;
  std::uint16_t nextAtom_ = 0xC000;
  struct NetEnum {
    std::string start;
    std::size_t next = 0;
  };
  std::map<NetEnumHandle, NetEnum> netEnums_;
  NetEnumHandle nextNetEnum_ = 1;
};

}  // namespace fenu
