// The working of a calculation as HTML for QTextDocument: the title, the
// column names and a row a step (label, figures used, rule, value). Every
// text is escaped; figures are formatted as the windows show them and never
// split over two lines. The window's working panel and the pages printed
// after a printout show the same.
#pragma once

#include <QString>

#include "common/working.h"

namespace quorin {

enum class WorkingLayout {
  Panel,       // one table under the panel's caption, which is the title
  Pages,       // titled pages of their own
  PagesAfter,  // titled pages after a printout, from a new page
};

// The steps: on paper each step is a table of its own, which the report's
// pages move whole to the next page rather than split (report_document.h).
// language: 0 English, 1 Afrikaans.
QString workingTableHtml(const Working& working, int language, WorkingLayout layout);

// A document of the working alone (its <title> the title); "nothing
// calculated yet" for an empty working.
QString workingDocumentHtml(const Working& working, int language, WorkingLayout layout);

// The filled report with the working's table appended after its body.
QString appendWorking(const QString& reportHtml, const Working& working, int language);

}  // namespace quorin
