// Comma-separated values as RFC 4180 has them, and as spreadsheets write
// them: quoted fields may hold the delimiter, doubled quotes and line
// breaks; a UTF-8 byte-order mark before the first record is skipped; the
// delimiter may be a semicolon instead of a comma. Both sides stream
// through a buffer of their own.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace quorin::cli {

using CsvRow = std::vector<std::string>;

class CsvReader {
 public:
  enum class Status { Row, End, UnclosedQuote };

  CsvReader(std::istream& in, char delimiter = ',');

  // Reads the next record into row, reusing its strings. UnclosedQuote:
  // the input ended inside a quoted field (row holds what was read).
  Status next(CsvRow& row);

  // The record last read, counted from 1 with the header as record 1 (the
  // row number a spreadsheet shows), and the line of the file it began on.
  std::size_t record() const { return record_; }
  std::size_t recordLine() const { return recordLine_; }
  // The line on which the unclosed quoted field began.
  std::size_t quoteLine() const { return quoteLine_; }

 private:
  int get();
  int peek();
  bool fill();

  std::istream& in_;
  char delimiter_;
  std::vector<char> buffer_;
  std::size_t at_ = 0, end_ = 0;
  bool started_ = false;
  std::size_t line_ = 1;
  std::size_t record_ = 0, recordLine_ = 0, quoteLine_ = 0;
};

class CsvWriter {
 public:
  CsvWriter(std::ostream& out, char delimiter = ',');
  // Appends to text instead of writing to a stream.
  CsvWriter(std::string& text, char delimiter = ',');
  ~CsvWriter();

  // A text field, quoted when it holds the delimiter, a quote or a line break.
  void field(std::string_view text);
  // A number in its shortest exact form, and a whole number.
  void number(double value);
  void whole(long long value);
  void endRow();
  void row(const CsvRow& fields);
  // Hands what is buffered to the stream or the text.
  void flush();

 private:
  void separate();
  void append(const char* text, std::size_t length);
  char* room(std::size_t length);  // at least length bytes free at the end

  std::ostream* out_ = nullptr;
  std::string* text_ = nullptr;
  char delimiter_;
  std::vector<char> buffer_;
  std::size_t used_ = 0;
  bool first_ = true;
};

}  // namespace quorin::cli
