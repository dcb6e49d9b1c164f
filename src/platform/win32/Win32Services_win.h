#pragma once
// The real operating system behind the core's service interfaces.
#include <windows.h>
#include <commdlg.h>

#include "platform/Services.h"

namespace fenu::win32 {

class Win32Dialogs : public IDialogs {
 public:
  MsgResult MessageDlg(MsgKind kind, std::string_view text, MsgButtons buttons) override;
  bool InputQuery(std::string_view caption, std::string_view prompt, std::string& value) override;
  bool OpenFile(const FileDialogOptions& options, std::string& path) override;
  bool SaveFile(const FileDialogOptions& options, std::string& path) override;
};

class Win32Sound : public ISound {
 public:
  void Beep(SoundKind kind) override;
};

class Win32Collation : public ICollation {
 public:
  int CompareText(std::string_view a, std::string_view b) override;
  int CompareStr(std::string_view a, std::string_view b) override;
};

class Win32Hotkeys : public IHotkeyService {
 public:
  // Hotkeys are registered for the shell's own window.
  void SetWindow(HWND window) { window_ = window; }
  std::uint16_t AddAtom(std::string_view name) override;
  void DeleteAtom(std::uint16_t atom) override;
  bool RegisterHotkey(std::uint32_t id, unsigned modifiers, unsigned key) override;
  void UnregisterHotkey(std::uint32_t id) override;

 private:
  HWND window_ = nullptr;
};

class Win32Focus : public IFocus {
 public:
  WindowHandle CaptureTarget() override;
  bool ForceForeground(WindowHandle window) override;
};

class Win32ShellExec : public IShellExec {
 public:
  void Execute(std::string_view target, std::string_view arguments, ShowState state) override;
};

class Win32HelpViewer : public IHelpViewer {
 public:
  void ShowTopic(std::string_view helpFile, std::string_view topic) override;
};

class Win32Instance : public IInstance {
 public:
  ~Win32Instance() override;
  bool CreateOwnedMutexExisted(std::string_view name) override;

 private:
  HANDLE mutex_ = nullptr;
};

class Win32VersionResource : public IVersionResource {
 public:
  bool Read(std::string_view file, std::string& block) override;
  bool Translation(const std::string& block, std::uint16_t& language, std::uint16_t& codePage) override;
  bool QueryString(const std::string& block, std::string_view key, std::string& value) override;
};

class Win32FolderBrowser : public IFolderBrowser {
 public:
  bool BrowseForFolder(std::string_view title, std::string& path) override;
};

class Win32FontDialog : public IFontDialog {
 public:
  bool Choose(FontSpec& font) override;
};

// FindTextW and ReplaceTextW. The dialog's owner (the active window) is subclassed while the
// dialog is open, to hear the registered FINDMSGSTRING message; the dialog is in the list of
// modeless windows that every message loop gives the dialog manager.
class Win32FindReplace : public IFindReplace {
 public:
  Win32FindReplace() = default;
  Win32FindReplace(const Win32FindReplace&) = delete;
  Win32FindReplace& operator=(const Win32FindReplace&) = delete;
  ~Win32FindReplace() override;

  void Open(FindDialogKind kind, std::string_view findWhat, std::string_view replaceWith, const FindOptions& options,
            IFindListener& listener) override;
  void Close() override;
  void Discard() override;
  bool IsOpen() const override { return dialog_ != nullptr; }

  // The open dialog, for a test to drive; null when none is open.
  HWND Dialog() const { return dialog_; }

 private:
  static constexpr WORD kTextCapacity = 1024;  // characters of each text, with the terminator

  static LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data);
  void Report(FindAction action);
  // The dialog is gone (or going): out of the list, the owner's subclass removed.
  void Forget();

  HWND dialog_ = nullptr;
  HWND owner_ = nullptr;
  HWND spareOwner_ = nullptr;  // owns a dialog opened while none of the program's windows is active
  FindDialogKind kind_ = FindDialogKind::Find;
  FindOptions shape_;  // the options as given; the dialog reports the user's choices
  FINDREPLACEW request_{};
  wchar_t findWhat_[kTextCapacity] = {};
  wchar_t replaceWith_[kTextCapacity] = {};
  IFindListener* listener_ = nullptr;
};

class Win32Network : public INetwork {
 public:
  std::uint32_t OpenEnum(std::uint32_t scope, std::uint32_t type, std::uint32_t usage, const NetResource* start,
                         NetEnumHandle& handle) override;
  std::uint32_t EnumResource(NetEnumHandle handle, std::vector<NetResource>& entries) override;
  std::uint32_t CloseEnum(NetEnumHandle handle) override;
  std::string ComputerName() override;
  std::string ErrorText(std::uint32_t code) override;
};

// All of them together, as the windows take them.
struct Win32Services {
  Win32Dialogs dialogs;
  Win32Hotkeys hotkeys;
  Win32Focus focus;
  Win32ShellExec shell;
  Win32HelpViewer help;
  Win32Instance instance;
  Win32VersionResource version;
  Win32Sound sound;
  Win32Collation collation;
  Win32FolderBrowser folders;
  Win32Network network;
  Win32FontDialog fonts;
  Win32FindReplace findReplace;
  Services services{dialogs, hotkeys, focus, shell, help, instance, version,
                    sound, collation, folders, network, fonts, findReplace};
};

}  // namespace fenu::win32
