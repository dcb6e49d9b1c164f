#include "model/TFileLabel.h"

namespace fenu {

TFileLabel::TFileLabel(WidthFunction width) : measure_(std::move(width)) { Split(); }

void TFileLabel::SetFileName(std::string_view fileName) {
  if (fileName != fileName_) {
    fileName_ = std::string(fileName);
    Split();
    Recompute();
  }
  if (OnAfterSetFileName) OnAfterSetFileName(fileName_);
}

void TFileLabel::SetDirection(TDirection direction) {
  if (direction == direction_) return;
  direction_ = direction;
  Recompute();
}

void TFileLabel::SetSeparator(std::string_view separator) {
  if (separator == separator_) return;
  separator_ = std::string(separator);
  Split();
  Recompute();
}

void TFileLabel::SetWidth(int width) {
  if (width == width_) return;
  width_ = width;
  Recompute();
}

void TFileLabel::SetWidthFunction(WidthFunction width) {
  measure_ = std::move(width);
  Recompute();
}

void TFileLabel::Split() {
  elements_.clear();
  if (separator_.empty()) {
    // Without a separator the path cannot be taken apart: it is one element.
    elements_.push_back(fileName_);
  } else {
    std::size_t start = 0;
    for (;;) {
      const std::size_t at = fileName_.find(separator_, start);
      if (at == std::string::npos) break;
      elements_.push_back(fileName_.substr(start, at - start));
      start = at + separator_.size();
    }
    elements_.push_back(fileName_.substr(start));
  }
  const std::string& first = elements_.front();
  firstIsDrive_ = elements_.size() > 1 && first.size() >= 2 && first.back() == ':';
}

void TFileLabel::Recompute() {
  std::string caption = Shorten(elements_, firstIsDrive_, fileName_, separator_, direction_, width_, measure_);
  if (caption == caption_) return;
  caption_ = std::move(caption);
  if (OnCaptionChanged) OnCaptionChanged();
}

std::string TFileLabel::Shorten(const std::vector<std::string>& elements, bool firstIsDrive, std::string_view fileName,
                                std::string_view separator, TDirection direction, int width,
                                const WidthFunction& measure) {
  const auto fits = [&](const std::string& text) { return !measure || measure(text) < width; };
  const std::string whole(fileName);
  if (whole.empty() || elements.empty() || fits(whole)) return whole;

  const std::string sep(separator);
  const std::string ellipsis = "..." + sep;
  const std::string& name = elements.back();
  if (!fits(name + ellipsis)) return name;

  const std::string head = firstIsDrive ? elements.front() + sep : std::string();
  if (!fits(head + ellipsis + name)) return ellipsis + name;

  // The folders lie between the head (if any) and the file name.
  const std::size_t first = firstIsDrive ? 1 : 0;
  const std::size_t end = elements.size() - 1;
  std::string taken;
  if (direction == TDirection::drFromLeft) {
    for (std::size_t i = end; i > first; --i) {
      std::string candidate = elements[i - 1] + sep + taken;
      if (!fits(head + ellipsis + candidate + name)) break;
      taken = std::move(candidate);
    }
    return head + ellipsis + taken + name;
  }
  for (std::size_t i = first; i < end; ++i) {
    std::string candidate = taken + elements[i] + sep;
    if (!fits(head + candidate + ellipsis + name)) break;
    taken = std::move(candidate);
  }
  return head + taken + ellipsis + name;
}

}  // namespace fenu
