#pragma once
#include <filesystem>

#include "platform/surface.h"

namespace zv::formats {

// An RGB PNG of a surface, for screenshots of simulated runs and for test failures, written
// (compressed) by libpng.
void WritePng(const platform::Surface& surface, const std::filesystem::path& path);

}  // namespace zv::formats
