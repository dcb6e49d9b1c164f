#pragma once
#include <string>

#include "calendar/CalendarGrid_win.h"
#include "calendar/TfrmCalendar.h"
#include "ui/win32/Form_win.h"

namespace fenu::calendar {

class TfrmCalendarView : public ui::Form {
 public:
  explicit TfrmCalendarView(TfrmCalendar& logic);

  enum Id {
    btnOk = IDOK,
    btnSchliessen = IDCANCEL,
    Label30 = 101,
    LblMonat,
    SpinMonat,
    Label31,
    LblJahr,
    SpinJahr,
    Kalender,
    Label32,
    ComboGermanState,
    LabelAstroData,
    ComboAstroData,
    LblDatum,
    LblTagImJahr,
    LblWocheImJahr,
    LblFeiertag,
    LblSeason,
    LblSternzeichen,
    StatusBar,
  };

 protected:
  void OnCreate() override;
  void OnShow() override;
  HWND InitialFocus() override { return Item(Kalender); }
  bool OnCommand(int id, int code, HWND control) override;
  void OnClose(int result) override;
  void OnResize(int width, int height) override;
  void OnDpiChanged(int oldDpi) override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool OnHelp() override {
    logic_.FormHelp();
    return true;
  }

 private:
  HWND AddSpin(int id, int x, int y, int w, int h);
  void Render();
  const LabelState* LabelOf(int id) const;
  const char* HintOf(int id) const;

  TfrmCalendar& logic_;
  CalendarGridControl grid_;
  std::string shownHint_;
};

// Opens the calendar window modally with the real clock, locale, time zone and clipboard.
void ShowCalendarWindow(Services& services, const std::string& appDir);

}  // namespace fenu::calendar
