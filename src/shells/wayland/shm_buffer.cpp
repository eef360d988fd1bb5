#include "shells/wayland/shm_buffer.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace zv::wayland {
namespace {

const wl_buffer_listener kBufferListener = {
    .release = [](void* data, wl_buffer*) { *static_cast<bool*>(data) = false; },
};

}  // namespace

ShmBuffer::ShmBuffer(wl_shm* shm, int width, int height)
    : width_(width), height_(height), size_(static_cast<std::size_t>(width) * height * 4) {
  const int fd = memfd_create("zorvalite-buffer", MFD_CLOEXEC);
  if (fd < 0) throw std::system_error(errno, std::generic_category(), "memfd_create");
  if (ftruncate(fd, static_cast<off_t>(size_)) != 0) {
    const int error = errno;
    close(fd);
    throw std::system_error(error, std::generic_category(), "ftruncate");
  }
  void* memory = mmap(nullptr, size_, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  if (memory == MAP_FAILED) {
    const int error = errno;
    close(fd);
    throw std::system_error(error, std::generic_category(), "mmap");
  }
  pixels_ = static_cast<std::uint32_t*>(memory);
  // New memory is zero: black.
  wl_shm_pool* pool = wl_shm_create_pool(shm, fd, static_cast<std::int32_t>(size_));
  buffer_ = wl_shm_pool_create_buffer(pool, 0, width, height, width * 4, WL_SHM_FORMAT_XRGB8888);
  wl_shm_pool_destroy(pool);
  close(fd);
  wl_buffer_add_listener(buffer_, &kBufferListener, &busy_);
}

ShmBuffer::~ShmBuffer() {
  wl_buffer_destroy(buffer_);
  munmap(pixels_, size_);
}

}  // namespace zv::wayland
