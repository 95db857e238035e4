// A file written completely or not at all: what is written goes to a
// temporary file in the same folder, which takes the file's place only once
// it is complete and on the disk. A failed write, or a program stopped on
// the way, leaves the file as it was (and no temporary file behind, unless
// the program was killed).
#pragma once

#include <QSaveFile>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

namespace quorin {

class WholeFile {
 public:
  // what: the file as a message names it ("The output file").
  WholeFile(const std::string& path, std::string what);
  ~WholeFile();
  WholeFile(const WholeFile&) = delete;
  WholeFile& operator=(const WholeFile&) = delete;

  // Makes the temporary file; the error text names the file.
  std::optional<std::string> open();
  // Where to write; it fails (badbit) at the first write that fails.
  std::ostream& stream() { return stream_; }
  // Writes what is left, puts the file on the disk and in place of the old
  // one. The error text names the file; the old file is then unchanged.
  std::optional<std::string> commit();

 private:
  class Buffer;
  std::string failed(const QString& reason) const;

  std::string path_;
  std::string what_;
  QSaveFile file_;
  std::unique_ptr<Buffer> buffer_;
  std::ostream stream_;
};

}  // namespace quorin
