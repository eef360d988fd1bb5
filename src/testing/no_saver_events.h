#pragma once
#include "platform/saver_window.h"

namespace zv::testing {

// Saver-window handlers that do nothing: for a window that a test drives by hand.
struct NoSaverEvents : platform::SaverWindowEvents {
  void Timer1_Timer() override {}
  void Timer2_Timer() override {}
  void Form_Click() override {}
  void Form_KeyDown() override {}
  void Form_MouseMove(float, float) override {}
  void Form_Unload() override {}
  void ReportUnhandledError() override {}
  void IdlePasses(std::int64_t) override {}
  void Slept(std::chrono::nanoseconds) override {}
  std::unique_ptr<platform::PictureForecast> ForecastPicture() const override { return nullptr; }
};

}  // namespace zv::testing
