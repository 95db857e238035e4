// Reading a whole file that a user names or drops into a data folder, as
// text, without trusting it: only a regular file is read (a folder, FIFO,
// device or socket is refused before a byte is read, so none can block or
// run on), and only up to a limit.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace quorin {

struct RegularFileRead {
  std::string text;
  // Why the file was not read, as the end of a sentence naming it: "it is
  // a folder", "it does not exist", "it is larger than 32 MB"...
  std::optional<std::string> problem;
};

RegularFileRead readRegularFile(const std::string& path, std::size_t maxBytes);

}  // namespace quorin
