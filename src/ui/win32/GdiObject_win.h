#pragma once
// Owners of the handles that windows make: each frees its object when it goes out of scope or is
// replaced (GDI objects, image lists, menus, icons, hooks), and a device context or a selection
// into one is given back the same way.
#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace fenu::ui {

// A handle that Free frees.
template <typename Handle, typename Free>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {}
  ~Owned() { Reset(); }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_ && handle_ != handle) Free{}(handle_);
    handle_ = handle;
  }
  // Hands the handle to whoever frees it from now on (a window destroys its menu bar).
  [[nodiscard]] Handle Release() { return std::exchange(handle_, nullptr); }

 private:
  Handle handle_ = nullptr;
};

struct FreeGdiObject {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct FreeImageList {
  void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};
struct FreeMenu {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
struct FreeIcon {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct FreeHook {
  void operator()(HHOOK hook) const { UnhookWindowsHookEx(hook); }
};

// A font, brush, pen or bitmap that DeleteObject frees.
template <typename Handle>
using GdiObject = Owned<Handle, FreeGdiObject>;

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Bitmap = GdiObject<HBITMAP>;
// A control keeps using an image list it was given: the owner must outlive the control, or the
// control be given another list first. (A list view frees its lists itself unless it has
// LVS_SHAREIMAGELISTS.)
using ImageList = Owned<HIMAGELIST, FreeImageList>;
using Menu = Owned<HMENU, FreeMenu>;
// An icon that was loaded or made (not a shared one from LoadIcon).
using Icon = Owned<HICON, FreeIcon>;
using Hook = Owned<HHOOK, FreeHook>;

// A window's device context (the screen's for a null window), released with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// A memory device context compatible with another one, deleted with DeleteDC.
class MemoryDc {
 public:
  explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
  ~MemoryDc() {
    if (dc_) DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HDC dc_;
};

// An object selected into a device context for the lifetime of this value; the previous one is
// selected back at the end, so that the object can then be deleted. A null object or context
// selects nothing.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
  ~Selection() {
    if (previous_) SelectObject(dc_, previous_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace fenu::ui
