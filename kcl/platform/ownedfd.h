#pragma once
// A file descriptor closed when its owner goes away.
#include <unistd.h>

#include <utility>

namespace kcl {

class TOwnedFd {
public:
  TOwnedFd() = default;
  explicit TOwnedFd(int fd) : FFd(fd) {}
  TOwnedFd(TOwnedFd&& other) noexcept : FFd(std::exchange(other.FFd, -1)) {}
  TOwnedFd& operator=(TOwnedFd&& other) noexcept {
    std::swap(FFd, other.FFd);
    return *this;
  }
  ~TOwnedFd() {
    if (FFd >= 0) ::close(FFd);
  }
  int Get() const { return FFd; }
  bool Valid() const { return FFd >= 0; }

private:
  int FFd = -1;
};

}  // namespace kcl
