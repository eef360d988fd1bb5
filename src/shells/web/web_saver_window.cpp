#include "shells/web/web_saver_window.h"

#include <algorithm>
#include <cmath>


namespace zv::web {
namespace {

// The page's screen is the run's one monitor, at the page's DPI.
platform::ScreenLayout PageLayout() {
  const page::Screen screen = page::ScreenSize();
  return platform::LayoutFor({{0, 0, screen.width, screen.height}, {}, screen.dpi});
}

// A software surface's colour is 0x00BBGGRR: in memory, with an opaque alpha, that is a
// canvas's red, green, blue, alpha.
constexpr std::uint32_t kOpaque = 0xFF000000u;

}  // namespace

WebSaverWindow::WebSaverWindow(platform::SaverWindowEvents& events)
    : events_(events), startMs_(page::Now()), timers_(events, 0), layout_(PageLayout()),
      boxes_(layout_, [this](const platform::SoftwareSurface& pixels, const platform::Rect& shown) { Put(pixels, shown); }) {}

platform::Nanoseconds WebSaverWindow::Now() const {
  return static_cast<platform::Nanoseconds>(std::llround((page::Now() - startMs_) * 1e6));
}


void WebSaverWindow::Put(const platform::SoftwareSurface& source, const platform::Rect& shown) {
  if (source.Width() <= 0 || source.Height() <= 0) return;
  pixels_.resize(source.Pixels().size());
  std::transform(source.Pixels().begin(), source.Pixels().end(), pixels_.begin(),
                 [](platform::Colour colour) { return colour | kOpaque; });
  page::PutPixels(pixels_.data(), source.Width(), source.Height(), shown.left, shown.top);
}

void WebSaverWindow::Refresh() {
  page::FillBlack();
  boxes_.Display().ForgetShown();
  boxes_.Display().Refresh();
}


void WebSaverWindow::DoEvents() {
  if (RunPending()) return;
  events_.Slept(WaitForEvent());
  RunPending();
}

bool WebSaverWindow::RunPending() {
  bool ran = timers_.BeforeInput(Now());
  for (page::Event event = page::TakeEvent(); event.kind != page::Event::Kind::None; event = page::TakeEvent()) {
    Handle(event);
    ran = true;
  }
  // Timer messages come after input, as the system delivers them only when nothing else waits.
  return timers_.Deliver(Now()) || ran;
}

void WebSaverWindow::Handle(const page::Event& event) {
  switch (event.kind) {
    case page::Event::Kind::Key:
      events_.Form_KeyDown();
      break;
    case page::Event::Kind::Click:
      events_.Form_Click();
      break;
    case page::Event::Kind::PointerMove:
      events_.Form_MouseMove(event.x, event.y);
      break;
    case page::Event::Kind::Resize:
      // The block keeps its place until the next spin moves it within the new size.
      layout_ = PageLayout();
      Refresh();
      break;
    case page::Event::Kind::Closed:
      Unload();
      break;
    case page::Event::Kind::None:
      break;
  }
}

std::chrono::nanoseconds WebSaverWindow::WaitForEvent() {
  const platform::Nanoseconds from = Now();
  const platform::Nanoseconds wait = std::max<platform::Nanoseconds>(0, timers_.Sleep() - from);
  // Whole milliseconds, rounded up: a timer of the browser does not fire before its time, and
  // one that woke the loop early would cost a pass for nothing.
  page::Wait(static_cast<double>((wait + platform::kMillisecond - 1) / platform::kMillisecond));
  return std::chrono::nanoseconds(Now() - from);
}

}  // namespace zv::web
