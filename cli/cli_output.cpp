#include "cli/cli_output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <ostream>

#include "report/pdf_printer.h"
#include "cli/text_output.h"
#include "report/report_store.h"

namespace quorin::cli {

nlohmann::ordered_json outcomeJson(const std::string& calculator, const Outcome& o) {
  nlohmann::ordered_json j;
  j["calculator"] = calculator;
  if (o.taxYear) j["taxYear"] = *o.taxYear;
  j["window"] = o.window;
  j["detail"] = o.detail;
  if (o.record) j["record"] = recordJson(*o.record);
  if (o.rows) {
    j["rows"] = nlohmann::ordered_json::array();
    for (const auto& r : o.rows->rows) j["rows"].push_back(recordJson(r));
  }
  if (o.working) j["working"] = workingJson(*o.working);
  return j;
}

int reportRefusal(const Refusal& r, std::ostream& out, std::ostream& err) {
  err << r.title << ": " << r.message << "\n";
  nlohmann::ordered_json j;
  j["error"]["title"] = r.title;
  j["error"]["message"] = r.message;
  j["error"]["field"] = r.field;
  out << j.dump(2) << "\n";
  return kExitRefused;
}

std::optional<std::string> printToPdf(PdfPrinter& printer, const Outcome& o, const ReportRun& run,
                                      const std::string& dataDir, const std::string& shippedDir,
                                      const std::string& pdfPath) {
  if (!o.record && !o.rows) return std::string("The window would not print these figures, so no report was made");
  const std::string database = dataDir + "/Rudodeza.db";
  if (auto e = migrateReportDatabase(database)) return e;
  return printer.printPdf(shippedDir + "/" + o.reportFile, database, o.record ? &*o.record : nullptr,
                          o.rows ? &*o.rows : nullptr, run, pdfPath);
}

int finishStandardOutput(int status) {
  errno = 0;
  std::cout.flush();
  const bool failed = !std::cout || std::fflush(stdout) != 0 || std::ferror(stdout);
  const int error = errno;
  if (!failed) return status;
  std::cerr << "The results could not be written to standard output"
            << (error ? std::string(": ") + std::strerror(error) : std::string()) << ". Nothing was shown in full; "
            << "check where the output goes (a full disk, a closed pipe) and try again.\n";
  return kExitFailure;
}

}  // namespace quorin::cli
