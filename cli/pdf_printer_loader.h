// Loads the PDF printer plugin for a --pdf call; no other call loads it.
#pragma once

#include <optional>
#include <string>

namespace quorin {
class PdfPrinter;
}

namespace quorin::cli {

struct PdfPrinterLoad {
  PdfPrinter* printer = nullptr;     // stays loaded for the rest of the run
  std::optional<std::string> error;  // what went wrong, naming the file
};

// The plugin where the install layout puts it beside the program.
PdfPrinterLoad loadPdfPrinter(const std::string& programFolder);

}  // namespace quorin::cli
