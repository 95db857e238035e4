#include "common/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace quorin {

namespace {

std::string sizeText(std::size_t bytes) {
  if (bytes % (1024 * 1024) == 0) return std::to_string(bytes / (1024 * 1024)) + " MB";
  if (bytes % 1024 == 0) return std::to_string(bytes / 1024) + " KB";
  return std::to_string(bytes) + " bytes";
}

std::string kindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "it is a folder, not a file";
  if (S_ISFIFO(mode)) return "it is a pipe (FIFO), not a regular file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device, not a regular file";
  if (S_ISSOCK(mode)) return "it is a socket, not a regular file";
  return "it is not a regular file";
}

struct Descriptor {
  int fd = -1;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

RegularFileRead readRegularFile(const std::string& path, std::size_t maxBytes) {
  RegularFileRead out;
  const auto fail = [&](std::string problem) {
    out.text.clear();
    out.problem = std::move(problem);
    return out;
  };
  // Opened without waiting, so that a FIFO with no writer cannot hold the
  // call; what was opened is then asked what it is.
  Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
  if (file.fd < 0) {
    const int error = errno;
    if (error == ENOENT) return fail("it does not exist");
    return fail(std::generic_category().message(error));
  }
  struct stat info {};
  if (::fstat(file.fd, &info) != 0) return fail(std::generic_category().message(errno));
  if (!S_ISREG(info.st_mode)) return fail(kindOf(info.st_mode));
  const std::string tooLarge = "it is larger than " + sizeText(maxBytes);
  if (static_cast<unsigned long long>(info.st_size) > maxBytes) return fail(tooLarge);

  // The size is only a hint: the file may grow while it is read.
  out.text.resize(static_cast<std::size_t>(info.st_size) + 1);
  std::size_t used = 0;
  for (;;) {
    if (used == out.text.size()) {
      if (used > maxBytes) return fail(tooLarge);
      out.text.resize(std::min(out.text.size() * 2 + 4096, maxBytes + 1));
    }
    const ssize_t got = ::read(file.fd, out.text.data() + used, out.text.size() - used);
    if (got < 0) {
      if (errno == EINTR) continue;
      return fail(std::generic_category().message(errno));
    }
    if (got == 0) break;
    used += static_cast<std::size_t>(got);
  }
  if (used > maxBytes) return fail(tooLarge);
  out.text.resize(used);
  return out;
}

}  // namespace quorin
