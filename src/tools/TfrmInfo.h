#pragma once
// The about window: product title, version, the file version from the executable's version
// resource, the rights notice and the maker's web page.
#include <string>

#include "platform/Services.h"

namespace fenu {

class TfrmInfo {
 public:
  TfrmInfo(Services& services, std::string appDir, bool stick)
      : services_(services), appDir_(std::move(appDir)), stick_(stick) {}

  static constexpr const char* kCaption = "quenlia:FENU Info";
  static constexpr const char* kLabel1 = "quenlia:FENU";
  static constexpr const char* kLabel2 = "Version 2.4";
  static constexpr const char* kLabel5 = "Homepage:";
  static constexpr const char* kLabel4 = "Dort finden Sie weitere interessante Angebote!";
  static constexpr const char* kBtnOk = "&OK";

  std::string lBuild;
  std::string Label3;  // the rights notice, lines separated by carriage returns
  std::string lbURL;

  // currentYear comes from the clock when the window is shown.
  void FormShow(int currentYear);
  void lbURLClick();
  // The executable whose version is shown.
  std::string ExecutablePath() const;

 private:
  Services& services_;
  std::string appDir_;
  bool stick_;
};

}  // namespace fenu
