#pragma once
// A label that shows a file path shortened with "..." to fit its width, e.g.
// "C:\...\Briefe\Standard.bdb". The logic measures through a width function that the view
// provides (the label's font on Windows, a fake in tests).
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace fenu {

enum class TDirection {
  drFromLeft,   // keep the folders next to the file name: "C:\...\Briefe\Standard.bdb"
  drFromRight,  // keep the folders next to the drive:     "C:\Daten\...\Standard.bdb"
};

class TFileLabel {
 public:
  // Width of a text in the label's font, in the same unit as the label's width.
  using WidthFunction = std::function<int(std::string_view)>;

  explicit TFileLabel(WidthFunction width = {});

  const std::string& FileName() const { return fileName_; }
  // Fires OnAfterSetFileName after every assignment, changed or not.
  void SetFileName(std::string_view fileName);
  TDirection Direction() const { return direction_; }
  void SetDirection(TDirection direction);
  const std::string& Separator() const { return separator_; }
  void SetSeparator(std::string_view separator);

  int Width() const { return width_; }
  // The label was resized.
  void SetWidth(int width);
  // The label's font changed (the width function now measures differently).
  void FontChanged() { Recompute(); }
  void SetWidthFunction(WidthFunction width);

  // The text the label shows.
  const std::string& Caption() const { return caption_; }
  // The path's elements at the separator: drive or first folder, folders, file name.
  const std::vector<std::string>& Elements() const { return elements_; }
  // The first element is a drive: at least two characters, the last one ":".
  bool FirstIsDrive() const { return firstIsDrive_; }

  std::function<void(const std::string& fileName)> OnAfterSetFileName;
  // Told whenever the shown text may have changed, so that a view can render it.
  std::function<void()> OnCaptionChanged;

  // The shortened text for a path split into elements (exposed for tests and other views).
  static std::string Shorten(const std::vector<std::string>& elements, bool firstIsDrive, std::string_view fileName,
                             std::string_view separator, TDirection direction, int width,
                             const WidthFunction& measure);

 private:
  void Split();
  void Recompute();

  WidthFunction measure_;
  std::string fileName_;
  TDirection direction_ = TDirection::drFromLeft;
  std::string separator_ = "\\";
  int width_ = 0;
  std::vector<std::string> elements_;
  bool firstIsDrive_ = false;
  std::string caption_;
};

}  // namespace fenu
