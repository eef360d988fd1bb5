// screen_grab X Y W H OUT.rgb SECONDS: watches a block of the screen and writes the first
// picture of it in which a pixel is not black (R, G, B per pixel, rows top first). It makes
// OUT.rgb.ready once it watches, so a test can start the program to be watched after it.
// Exit code 0 when a picture was written, 1 when the block stayed black for SECONDS.
// For the Wine tests: a program's first frames can last less than a screenshot takes.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

bool WriteFile(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  return std::fclose(out) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 7) {
    std::fprintf(stderr, "usage: screen_grab X Y W H OUT.rgb SECONDS\n");
    return 2;
  }
  const int x = std::atoi(argv[1]), y = std::atoi(argv[2]), w = std::atoi(argv[3]), h = std::atoi(argv[4]);
  const std::string out = argv[5];
  const DWORD limit = static_cast<DWORD>(std::atoi(argv[6])) * 1000;
  if (w <= 0 || h <= 0) return 2;

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  SelectObject(memory, dib);
  const auto* pixels = static_cast<const DWORD*>(bits);

  const DWORD start = GetTickCount();
  bool ready = false;
  while (GetTickCount() - start < limit) {
    BitBlt(memory, 0, 0, w, h, screen, x, y, SRCCOPY);
    GdiFlush();
    if (!ready) {
      ready = WriteFile(out + ".ready", {});
    }
    for (int i = 0; i < w * h; ++i) {
      if ((pixels[i] & 0xFFFFFF) == 0) continue;
      std::vector<unsigned char> rgb;
      for (int j = 0; j < w * h; ++j) {
        rgb.push_back(static_cast<unsigned char>(pixels[j] >> 16));
        rgb.push_back(static_cast<unsigned char>(pixels[j] >> 8));
        rgb.push_back(static_cast<unsigned char>(pixels[j]));
      }
      return WriteFile(out, rgb) ? 0 : 1;
    }
    Sleep(1);
  }
  return 1;
}
