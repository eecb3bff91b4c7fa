#pragma once

#include <csignal>
#include <sys/resource.h>

namespace orvane::testing {

// A file size limit, with SIGXFSZ ignored, for as long as this lives: the kernel takes a write that
// would pass it only in part, as a full disk would.
class FileSizeLimit {
public:
  explicit FileSizeLimit(rlim_t bytes) : savedHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit tight = saved_;
    tight.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &tight);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, savedHandler_);
  }

private:
  rlimit saved_{};
  void (*savedHandler_)(int);
};

} // namespace orvane::testing
