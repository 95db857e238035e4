#include "cli/csv.h"

namespace quorin::cli {

std::optional<CsvRow> readCsvRow(std::istream& in) {
  if (in.peek() == std::char_traits<char>::eof()) return std::nullopt;
  CsvRow row;
  std::string field;
  bool quoted = false, wasQuoted = false;
  int c;
  while ((c = in.get()) != std::char_traits<char>::eof()) {
    if (quoted) {
      if (c == '"') {
        if (in.peek() == '"') {
          field.push_back('"');
          in.get();
        } else {
          quoted = false;
        }
      } else {
        field.push_back(static_cast<char>(c));
      }
      continue;
    }
    if (c == '"' && field.empty() && !wasQuoted) {
      quoted = wasQuoted = true;
    } else if (c == ',') {
      row.push_back(std::move(field));
      field.clear();
      wasQuoted = false;
    } else if (c == '\r') {
      if (in.peek() == '\n') in.get();
      break;
    } else if (c == '\n') {
      break;
    } else {
      field.push_back(static_cast<char>(c));
    }
  }
  row.push_back(std::move(field));
  return row;
}

void writeCsvRow(std::ostream& out, const CsvRow& row) {
  for (std::size_t i = 0; i < row.size(); ++i) {
    if (i) out << ',';
    const std::string& f = row[i];
    if (f.find_first_of(",\"\r\n") == std::string::npos) {
      out << f;
      continue;
    }
    out << '"';
    for (char ch : f) {
      if (ch == '"') out << '"';
      out << ch;
    }
    out << '"';
  }
  out << "\r\n";
}

}  // namespace quorin::cli
