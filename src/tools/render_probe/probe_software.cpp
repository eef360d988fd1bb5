// render_probe OUT.rgb [FIRST_PASS.png]: every position of every art drawn on the software
// surfaces, from the bitmaps in the assets folder; optionally also the display block after
// the saver's first pass (red 3, red 1, red 3) as a picture.
#include <exception>
#include <fstream>
#include <iostream>

#include "formats/png_file.h"
#include "machine/layout_and_timing.h"
#include "testing/renderer_rig.h"
#include "tools/render_probe/render_sequence.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: render_probe OUT.rgb [FIRST_PASS.png]\n";
    return 2;
  }
  try {
    zv::testing::RendererRig every;
    const auto pixels = zv::tools::RenderEveryPosition(every.renderer, every.shown);
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(pixels.data()), static_cast<std::streamsize>(pixels.size()));
    if (!out) throw std::runtime_error(std::string("cannot write ") + argv[1]);
    if (argc == 3) {
      zv::testing::RendererRig first;
      zv::EngineView engine;
      engine.ReelPosLeft = zv::kStartPosLeft;
      engine.ReelPosCentre = zv::kStartPosCentre;
      engine.ReelPosRight = zv::kStartPosRight;
      first.renderer.DrawPass(engine);
      zv::formats::WritePng(first.shown, argv[2]);
    }
  } catch (const std::exception& error) {
    std::cerr << "render_probe: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
