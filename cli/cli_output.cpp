#include "cli/cli_output.h"

#include <ostream>

#include "report/pdf_printer.h"
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

std::optional<std::string> printToPdf(PdfPrinter& printer, const Outcome& o, const std::string& dataDir,
                                      const std::string& pdfPath) {
  if (!o.record && !o.rows) return std::string("The window would not print these figures, so no report was made");
  const std::string database = dataDir + "/Rudodeza.db";
  if (o.record)
    if (auto e = writeFeedRecord(database, *o.record)) return e;
  if (o.rows)
    if (auto e = replaceFeedRows(database, *o.rows)) return e;
  return printer.printPdf(dataDir + "/" + o.reportFile, database, pdfPath);
}

}  // namespace quorin::cli
