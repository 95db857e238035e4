// Lays out a report file from its feed tables. A report file (*.rpt) is a
// Mustache HTML template whose first lines name the tables it reads:
//   {{! feed: IRP5Mon }}   the single-row table, its fields as top-level keys
//   {{! rows: Amort }}     a multi-row table, as the list {{#Amort}}..{{/Amort}}
// Every field is offered as {{NAME}} (amounts "### ### ##0.00", whole
// numbers and texts as they stand), {{NAME:3}} and {{NAME:0}} (three and no
// decimals) and {{NAME:raw}} (the shortest exact form); whole numbers also
// as {{NAME:date}} (a day number as dd/mm/yyyy), texts also as the section
// {{#NAME:set}}..{{/NAME:set}} (shown only when the text is not empty).
#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <string>

class QTextDocument;

namespace quorin {

struct ReportLayout {
  std::optional<std::string> error;  // set when the report could not be laid out
  QString html;
};

// Reads the report file and its tables from the report database and fills
// the template.
ReportLayout fillReport(const std::string& reportFile, const std::string& databasePath);

// An A4 document of the filled report, ready for preview, printer or PDF.
std::unique_ptr<QTextDocument> reportDocument(const QString& html);

// Writes the document as a PDF file; returns the error text on failure.
std::optional<std::string> writeReportPdf(QTextDocument& document, const std::string& pdfPath);

}  // namespace quorin
