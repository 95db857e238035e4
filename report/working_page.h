// The working of a calculation as HTML for QTextDocument: the title, the
// column names and a row a step (label, figures used, rule, value). Every
// text is escaped; figures are formatted as the windows show them and never
// split over two lines. The window's working panel and the pages printed
// after a printout show the same.
#pragma once

#include <QString>

#include "common/working.h"

namespace quorin {

// The steps as one table (a panel), or paged: from a new page, each step a
// table of its own that the report's pages move whole to the next page
// rather than split (report_document.h). language: 0 English, 1 Afrikaans.
QString workingTableHtml(const Working& working, int language, bool paged);

// A document of the working alone, titled; "nothing calculated yet" for an
// empty working.
QString workingDocumentHtml(const Working& working, int language);

// The filled report with the working's table appended after its body.
QString appendWorking(const QString& reportHtml, const Working& working, int language);

}  // namespace quorin
