// Comma-separated values as RFC 4180 has them: quoted fields may hold
// commas, doubled quotes and line breaks.
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace quorin::cli {

using CsvRow = std::vector<std::string>;

// Reads the next record; nullopt at the end of the input.
std::optional<CsvRow> readCsvRow(std::istream& in);

void writeCsvRow(std::ostream& out, const CsvRow& row);

}  // namespace quorin::cli
