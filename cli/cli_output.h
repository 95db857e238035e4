// Printing one call's outcome, and writing what a print would write.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/calculator_command.h"
#include "report/report_run.h"

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
// folder and has the printer lay out its report file (from the shipped
// files' folder), from the tables as this print left them and with the run's
// values, as a PDF. A report database kept from an earlier version first gets
// this version's tables and fields. An outcome with a working (--working)
// has it printed on pages after the printout. Returns the error text.
std::optional<std::string> printToPdf(PdfPrinter& printer, const Outcome& outcome, const ReportRun& run,
                                      const std::string& dataDir, const std::string& shippedDir,
                                      const std::string& pdfPath);

// At the end of a call: standard output written out. When a write to it
// failed (a full disk, a closed pipe) the call ends with exit status 1 and
// says so, whatever it reported before.
int finishStandardOutput(int status);

}  // namespace quorin::cli
