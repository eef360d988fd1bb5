// web_expected --canvas WxH --dpi D --block LEFT,TOP --spin-state S --reels L,C,R --flash F
//              --blink B --screen FILE --out DIR
// Compares the page's canvas (FILE: its bytes as getImageData gives them, red, green, blue,
// alpha, rows top first) with the headless shell's picture of the run's state that the page
// reported, on a screen of the canvas's size at the DPI the browser was given. Exit status 0 when
// every pixel is equal; 1 when not, naming how many differ and the first, with DIR/screen.png and
// DIR/expected.png written; 2 on a bad command line.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "formats/png_file.h"
#include "machine/layout_and_timing.h"
#include "testing/renderer_rig.h"

namespace {

using namespace zv;

[[noreturn]] void Usage(const std::string& why) {
  std::fprintf(stderr, "web_expected: %s\n", why.c_str());
  std::exit(2);
}

// The numbers of a value written N,N,... or WxH.
std::vector<int> Numbers(const std::string& text) {
  std::vector<int> numbers;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, text.find('x') != std::string::npos ? 'x' : ',');)
    numbers.push_back(std::stoi(part));
  return numbers;
}

}  // namespace

int main(int argc, char** argv) {
  std::map<std::string, std::string> options;
  for (int i = 1; i + 1 < argc; i += 2) options[argv[i]] = argv[i + 1];
  for (const char* name : {"--canvas", "--dpi", "--block", "--spin-state", "--reels", "--flash", "--blink", "--screen", "--out"})
    if (!options.count(name)) Usage(std::string(name) + " is missing");

  const std::vector<int> canvas = Numbers(options["--canvas"]);
  const std::vector<int> block = Numbers(options["--block"]);
  const std::vector<int> reels = Numbers(options["--reels"]);
  if (canvas.size() != 2 || block.size() != 2 || reels.size() != 3) Usage("--canvas, --block or --reels malformed");
  const EngineView view{.SpinState = static_cast<Spin>(std::stoi(options["--spin-state"])),
                        .ReelPosLeft = static_cast<int16>(reels[0]),
                        .ReelPosCentre = static_cast<int16>(reels[1]),
                        .ReelPosRight = static_cast<int16>(reels[2]),
                        .FlashPhase = static_cast<int16>(std::stoi(options["--flash"])),
                        .BlinkOn = static_cast<int16>(std::stoi(options["--blink"]))};
  const platform::ScreenLayout layout = platform::LayoutFor({{0, 0, canvas[0], canvas[1]}, {}, std::stoi(options["--dpi"])});
  const platform::SoftwareSurface expected =
      testing::ScreenOfState(view, layout, {block[0], block[1], kDisplayWidth, kDisplayHeight});

  std::ifstream file(options["--screen"], std::ios::binary);
  const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
  if (bytes.size() != static_cast<std::size_t>(canvas[0]) * canvas[1] * 4)
    Usage("the screen holds " + std::to_string(bytes.size()) + " bytes, not those of a " + options["--canvas"] + " canvas");
  platform::SoftwareSurface screen(static_cast<int16>(canvas[0]), static_cast<int16>(canvas[1]));
  long differ = 0;
  int firstX = -1, firstY = -1;
  for (int y = 0; y < canvas[1]; ++y) {
    for (int x = 0; x < canvas[0]; ++x) {
      const unsigned char* p = &bytes[(static_cast<std::size_t>(y) * canvas[0] + x) * 4];
      screen.SetPixel(static_cast<int16>(x), static_cast<int16>(y), platform::Rgb(p[0], p[1], p[2]));
      if (screen.Pixel(static_cast<int16>(x), static_cast<int16>(y)) == expected.Pixel(static_cast<int16>(x), static_cast<int16>(y)))
        continue;
      if (differ++ == 0) firstX = x, firstY = y;
    }
  }
  if (differ == 0) return 0;
  const std::filesystem::path out = options["--out"];
  std::filesystem::create_directories(out);
  formats::WritePng(screen, out / "screen.png");
  formats::WritePng(expected, out / "expected.png");
  std::printf("%ld pixels differ, the first at (%d, %d): the canvas has 0x%06x, the headless shell 0x%06x (0xBBGGRR)\n", differ,
              firstX, firstY, static_cast<unsigned>(screen.Pixel(static_cast<int16>(firstX), static_cast<int16>(firstY))),
              static_cast<unsigned>(expected.Pixel(static_cast<int16>(firstX), static_cast<int16>(firstY))));
  return 1;
}
