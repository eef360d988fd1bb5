#pragma once
#include "platform/saver_window.h"

namespace zv::testing {

// Hands every saver-window event on to the saver's own handlers: the base of the test-only
// builds that step in between a shell and the saver to change one event.
class ForwardingSaverEvents : public platform::SaverWindowEvents {
 public:
  explicit ForwardingSaverEvents(platform::SaverWindowEvents& saver) : saver_(saver) {}
  void Timer1_Timer() override { saver_.Timer1_Timer(); }
  void Timer2_Timer() override { saver_.Timer2_Timer(); }
  void Form_Click() override { saver_.Form_Click(); }
  void Form_KeyDown() override { saver_.Form_KeyDown(); }
  void Form_MouseMove(float x, float y) override { saver_.Form_MouseMove(x, y); }
  void Form_Unload() override { saver_.Form_Unload(); }
  void ReportUnhandledError() override { saver_.ReportUnhandledError(); }
  void IdlePasses(std::int64_t count) override { saver_.IdlePasses(count); }
  void Slept(std::chrono::nanoseconds duration) override { saver_.Slept(duration); }
  std::unique_ptr<platform::PictureForecast> ForecastPicture() const override { return saver_.ForecastPicture(); }

 protected:
  platform::SaverWindowEvents& saver_;
};

}  // namespace zv::testing
