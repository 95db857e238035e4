#include "report/whole_file.h"

#include <vector>

namespace quorin {

// Hands the stream's text to the temporary file in large pieces.
class WholeFile::Buffer : public std::streambuf {
 public:
  explicit Buffer(QSaveFile& file) : file_(file), space_(1 << 16) { setp(space_.data(), space_.data() + space_.size()); }

 protected:
  int_type overflow(int_type c) override {
    if (!drain()) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char* text, std::streamsize count) override {
    if (count > epptr() - pptr()) {
      if (!drain()) return 0;
      if (count > epptr() - pptr()) return file_.write(text, count) == count ? count : 0;
    }
    std::copy(text, text + count, pptr());
    pbump(static_cast<int>(count));
    return count;
  }
  int sync() override { return drain() && file_.flush() ? 0 : -1; }

 private:
  bool drain() {
    const qint64 used = pptr() - pbase();
    setp(space_.data(), space_.data() + space_.size());
    return used == 0 || file_.write(space_.data(), used) == used;
  }

  QSaveFile& file_;
  std::vector<char> space_;
};

WholeFile::WholeFile(const std::string& path, std::string what)
    : path_(path), what_(std::move(what)), file_(QString::fromStdString(path)),
      buffer_(std::make_unique<Buffer>(file_)), stream_(buffer_.get()) {}

WholeFile::~WholeFile() {
  // Not committed: QSaveFile removes the temporary file.
  stream_.rdbuf(nullptr);
}

std::string WholeFile::failed(const QString& reason) const {
  return what_ + " " + path_ + " could not be written: " + reason.toStdString() +
         ". It was left as it was; check the folder and the free space, then try again.";
}

std::optional<std::string> WholeFile::open() {
  if (!file_.open(QIODevice::WriteOnly)) return failed(file_.errorString());
  return std::nullopt;
}

std::optional<std::string> WholeFile::commit() {
  stream_.flush();
  if (!stream_ || file_.error() != QFileDevice::NoError) {
    const QString reason = file_.errorString();
    file_.cancelWriting();
    return failed(reason);
  }
  if (!file_.commit()) return failed(file_.errorString());
  return std::nullopt;
}

}  // namespace quorin
