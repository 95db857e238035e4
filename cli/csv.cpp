#include "cli/csv.h"

#include <charconv>
#include <cstring>

#include "common/money.h"

namespace quorin::cli {

namespace {
constexpr std::size_t kChunk = 1 << 16;
constexpr int kEnd = std::char_traits<char>::eof();
}  // namespace

CsvReader::CsvReader(std::istream& in, char delimiter) : in_(in), delimiter_(delimiter), buffer_(kChunk) {}

bool CsvReader::fill() {
  if (at_ < end_) return true;
  in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  end_ = static_cast<std::size_t>(in_.gcount());
  at_ = 0;
  return end_ > 0;
}

int CsvReader::peek() { return fill() ? static_cast<unsigned char>(buffer_[at_]) : kEnd; }

int CsvReader::get() { return fill() ? static_cast<unsigned char>(buffer_[at_++]) : kEnd; }

CsvReader::Status CsvReader::next(CsvRow& row) {
  if (!started_) {
    started_ = true;
    // A spreadsheet's "CSV UTF-8" starts with the byte-order mark EF BB BF.
    if (peek() == 0xEF && end_ - at_ >= 3 && buffer_[at_ + 1] == '\xBB' && buffer_[at_ + 2] == '\xBF') at_ += 3;
  }
  if (peek() == kEnd) return Status::End;
  ++record_;
  recordLine_ = line_;
  std::size_t count = 0;
  const auto field = [&]() -> std::string& {
    if (count == row.size()) row.emplace_back();
    std::string& f = row[count++];
    f.clear();
    return f;
  };
  std::string* f = &field();
  bool quoted = false, wasQuoted = false;
  for (;;) {
    const int c = peek();
    if (c == kEnd) break;
    if (quoted) {
      get();
      if (c == '"') {
        if (peek() == '"') {
          f->push_back('"');
          get();
        } else {
          quoted = false;
        }
      } else {
        if (c == '\n' || (c == '\r' && peek() != '\n')) ++line_;
        f->push_back(static_cast<char>(c));
      }
      continue;
    }
    if (c == '"' && f->empty() && !wasQuoted) {
      get();
      quoted = wasQuoted = true;
      quoteLine_ = line_;
      continue;
    }
    // A run of plain characters up to the next delimiter or line end; a
    // quote inside a field that has begun is one of them.
    const char* from = buffer_.data() + at_;
    const char* to = from;
    const char* const stop = buffer_.data() + end_;
    while (to != stop && *to != delimiter_ && *to != '\r' && *to != '\n') ++to;
    f->append(from, to);
    at_ += static_cast<std::size_t>(to - from);
    if (to == stop) continue;  // the run goes on in the next chunk
    const char end = *to;
    ++at_;
    if (end == delimiter_) {
      f = &field();
      wasQuoted = false;
      continue;
    }
    if (end == '\r' && peek() == '\n') get();
    ++line_;
    break;
  }
  row.resize(count);
  return quoted ? Status::UnclosedQuote : Status::Row;
}

CsvWriter::CsvWriter(std::ostream& out, char delimiter) : out_(&out), delimiter_(delimiter), buffer_(kChunk) {}

CsvWriter::CsvWriter(std::string& text, char delimiter) : text_(&text), delimiter_(delimiter), buffer_(kChunk) {}

CsvWriter::~CsvWriter() { flush(); }

void CsvWriter::flush() {
  if (used_ == 0) return;
  if (text_)
    text_->append(buffer_.data(), used_);
  else
    out_->write(buffer_.data(), static_cast<std::streamsize>(used_));
  used_ = 0;
}

char* CsvWriter::room(std::size_t length) {
  if (used_ + length > buffer_.size()) flush();
  return buffer_.data() + used_;
}

void CsvWriter::append(const char* text, std::size_t length) {
  if (length == 0) return;  // an empty field may have no characters at all to copy from
  if (length > buffer_.size()) {
    flush();
    if (text_)
      text_->append(text, length);
    else
      out_->write(text, static_cast<std::streamsize>(length));
    return;
  }
  std::memcpy(room(length), text, length);
  used_ += length;
}

void CsvWriter::separate() {
  if (!first_) *room(1) = delimiter_, ++used_;
  first_ = false;
}

void CsvWriter::field(std::string_view f) {
  separate();
  bool plain = true;
  for (char ch : f)
    if (ch == delimiter_ || ch == '"' || ch == '\r' || ch == '\n') {
      plain = false;
      break;
    }
  if (plain) return append(f.data(), f.size());
  append("\"", 1);
  for (std::size_t from = 0; from < f.size();) {
    std::size_t quote = f.find('"', from);
    if (quote == std::string_view::npos) quote = f.size();
    else ++quote;  // the quote itself, then its double
    append(f.data() + from, quote - from);
    if (quote <= f.size() && f[quote - 1] == '"') append("\"", 1);
    from = quote;
  }
  append("\"", 1);
}

void CsvWriter::number(double value) {
  separate();
  char* at = room(64);
  used_ = static_cast<std::size_t>(writeShortest(at, at + 64, value) - buffer_.data());
}

void CsvWriter::whole(long long value) {
  separate();
  char* at = room(24);
  used_ = static_cast<std::size_t>(std::to_chars(at, at + 24, value).ptr - buffer_.data());
}

void CsvWriter::endRow() {
  append("\r\n", 2);
  first_ = true;
}

void CsvWriter::row(const CsvRow& fields) {
  for (const auto& f : fields) field(f);
  endRow();
}

}  // namespace quorin::cli
