#pragma once
#include <cstdint>
#include <filesystem>
#include <vector>

#include "platform/surface.h"

namespace zv::formats {

// An RGB PNG of a surface, for screenshots of simulated runs and for test failures.
std::vector<std::uint8_t> EncodePng(const platform::Surface& surface);
void WritePng(const platform::Surface& surface, const std::filesystem::path& path);

}  // namespace zv::formats
