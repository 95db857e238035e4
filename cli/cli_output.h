// Printing one call's outcome, and writing what a print would write.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/calculator_command.h"

namespace quorin {
class PdfPrinter;
}

namespace quorin::cli {

enum ExitStatus { kExitOk = 0, kExitFailure = 1, kExitRefused = 2, kExitUsage = 64 };

// The JSON object of a successful call.
nlohmann::ordered_json outcomeJson(const std::string& calculator, const Outcome& outcome);

// Reports a refusal (standard error and the error object on standard
// output) and returns the exit status.
int reportRefusal(const Refusal& refusal, std::ostream& out, std::ostream& err);

// Writes the outcome's feed record and rows into the report database of the
// data folder and has the printer lay out its report file (from the shipped
// files' folder) as a PDF. Returns the error text.
std::optional<std::string> printToPdf(PdfPrinter& printer, const Outcome& outcome, const std::string& dataDir,
                                      const std::string& shippedDir, const std::string& pdfPath);

}  // namespace quorin::cli
