#pragma once
#include "platform/saver_window.h"

namespace zv::tools {

// A picture box with no window: just its drawing surface, as the probes need it.
template <typename SurfaceType>
class ProbePictureBox : public platform::PictureBox {
 public:
  template <typename... Args>
  explicit ProbePictureBox(Args&&... args) : surface(std::forward<Args>(args)...) {}
  int16 Left() const override { return 0; }
  int16 Top() const override { return 0; }
  int16 Width() const override { return surface.Width(); }
  int16 Height() const override { return surface.Height(); }
  void SetLeft(int16) override {}
  void SetTop(int16) override {}
  void SetWidth(int16) override {}
  void SetHeight(int16) override {}
  platform::BlockScale Scale() const override { return {}; }
  void SetScale(platform::BlockScale) override {}
  void SetEnabled(bool) override {}
  void SetSolidFill(platform::Colour colour) override { surface.SetFillColour(colour); }
  platform::Surface& Dc() override { return surface; }
  void Refresh() override {}

  SurfaceType surface;
};

}  // namespace zv::tools
