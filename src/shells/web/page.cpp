#include "shells/web/page.h"

#include <emscripten.h>

#include <algorithm>
#include <string>

// The page's object is Module.page, in the run's worker (run_worker.js).
EM_JS(void, zv_screen_size, (int* size), {
  const screen = Module["page"].screenSize();
  HEAP32[size >> 2] = screen.width;
  HEAP32[(size >> 2) + 1] = screen.height;
  HEAP32[(size >> 2) + 2] = screen.dpi;
});
EM_JS(void, zv_put_pixels, (const void* pixels, int width, int height, int x, int y), {
  const bytes = new Uint8ClampedArray(HEAPU8.buffer, pixels, width * height * 4);
  Module["page"].putPixels(new ImageData(bytes, width, height), x, y);
});
EM_JS(void, zv_fill_black, (), { Module["page"].fillBlack(); });
EM_JS(void, zv_show_screen, (int shown), { Module["page"].showScreen(shown != 0); });
EM_JS(void, zv_show_pointer, (int shown), { Module["page"].showPointer(shown != 0); });
EM_ASYNC_JS(void, zv_wait, (double milliseconds), { await Module["page"].wait(milliseconds); });
EM_JS(int, zv_take_event, (float* place), {
  const event = Module["page"].events.shift();
  if (!event) return 0;
  HEAPF32[place >> 2] = event.x;
  HEAPF32[(place >> 2) + 1] = event.y;
  return event.kind;
});
// The page's text for a setting, copied as far as it fits; its whole length, or -1 when there is
// none.
EM_JS(int, zv_setting_text, (const char* key, char* text, int size), {
  const value = Module["page"].settingText(UTF8ToString(key));
  if (value === null) return -1;
  stringToUTF8(value, text, size);
  return lengthBytesUTF8(value);
});
EM_JS(void, zv_show_setting, (const char* key, int value, const char* note), {
  Module["page"].showSetting(UTF8ToString(key), value, UTF8ToString(note));
});
EM_JS(void, zv_report, (const char* text), { Module["page"].report(UTF8ToString(text)); });
EM_JS(void, zv_ended, (), { Module["page"].ended(); });
EM_ASYNC_JS(void, zv_halt, (), { await new Promise(() => {}); });

namespace zv::web::page {

Screen ScreenSize() {
  int size[3];
  zv_screen_size(size);
  return {size[0], size[1], size[2]};
}

void PutPixels(const std::uint32_t* pixels, int width, int height, int x, int y) {
  zv_put_pixels(pixels, width, height, x, y);
}

void FillBlack() { zv_fill_black(); }
void ShowScreen(bool shown) { zv_show_screen(shown); }
void ShowPointer(bool shown) { zv_show_pointer(shown); }
double Now() { return emscripten_get_now(); }
void Wait(double milliseconds) { zv_wait(milliseconds); }

Event TakeEvent() {
  float place[2] = {0, 0};
  const int kind = zv_take_event(place);
  return {kind >= 1 && kind <= kLastEventKind ? static_cast<Event::Kind>(kind) : Event::Kind::None, place[0], place[1]};
}

// Longer texts come cut; none that the run takes is that long.
std::optional<std::string> SettingText(std::string_view key) {
  char text[256];
  const int length = zv_setting_text(std::string(key).c_str(), text, sizeof text);
  if (length < 0) return std::nullopt;
  return std::string(text, std::min<std::size_t>(static_cast<std::size_t>(length), sizeof text - 1));
}

void ShowSetting(std::string_view key, int value, std::string_view note) {
  zv_show_setting(std::string(key).c_str(), value, std::string(note).c_str());
}

void Report(std::string_view text) { zv_report(std::string(text).c_str()); }
void Ended() { zv_ended(); }
void Halt() { zv_halt(); }

}  // namespace zv::web::page
