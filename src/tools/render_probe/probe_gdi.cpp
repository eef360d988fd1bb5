// render_probe.exe OUT.rgb: every position of every art drawn with GDI on memory device
// contexts, from the bitmap resources, as the saver window loads and draws them.
#include <windows.h>

#include <cstdio>

#include "digits/digit_renderer.h"
#include "machine/layout_and_timing.h"
#include "resource_ids.h"
#include "shells/win32/win32_saver_window.h"
#include "tools/render_probe/render_sequence.h"

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: render_probe OUT.rgb\n");
    return 2;
  }
  try {
    zv::win32::Win32PictureBox display, red, green, orange;
    display.SetWidth(zv::kDisplayWidth);
    display.SetHeight(zv::kDisplayHeight);
    display.SetSolidFill(zv::platform::kBlack);
    red.Load(IDB_ART_RED);
    green.Load(IDB_ART_GREEN);
    orange.Load(IDB_ART_ORANGE);
    zv::DigitRenderer renderer{display, red, green, orange};
    zv::int16 storeCursor = 0;
    zv::FillSegmentFrames(renderer.SegmentFrames, storeCursor);
    const auto pixels = zv::tools::RenderEveryPosition(renderer, display.Dc());
    std::FILE* out = _wfopen(argv[1], L"wb");
    if (!out || std::fwrite(pixels.data(), 1, pixels.size(), out) != pixels.size()) return 1;
    std::fclose(out);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "render_probe: %s\n", error.what());
    return 1;
  }
  return 0;
}
