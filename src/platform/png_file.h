#pragma once
#include <filesystem>

#include "platform/surface.h"

namespace zv::platform {

// An RGB PNG of a surface, for screenshots of simulated runs and for test failures, written
// (compressed) by libpng.
void WritePng(const Surface& surface, const std::filesystem::path& path);

}  // namespace zv::platform
