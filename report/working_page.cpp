#include "report/working_page.h"

#include <algorithm>

#include "common/working_text.h"

namespace quorin {

namespace {

QString text(const std::string& s) { return QString::fromStdString(s).toHtmlEscaped(); }

// A figure is never split over two lines ("4 783.08").
QString figure(double value, FigureKind kind) {
  return text(formatFigure(value, kind)).replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
}

QString word(const char* english, int language) { return text(workingWord(english, language)); }

}  // namespace

QString workingTableHtml(const Working& working, int language, WorkingLayout layout) {
  const bool paged = layout != WorkingLayout::Panel;
  // On paper a size smaller than the printout's, so a working fits a page
  // or two. The widths are the same in the heading and every step, so the
  // columns line up when each step is a table of its own.
  const QString table = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\"");
  const QString stepTable = table + (paged ? QStringLiteral(" style=\"font-size:9pt\">") : QStringLiteral(">"));
  QString head = QStringLiteral(
                     "<tr bgcolor=\"#dcdcdc\"><th align=\"left\" width=\"25%\">%1</th>"
                     "<th align=\"left\" width=\"34%\">%2</th><th align=\"left\" width=\"28%\">%3</th>"
                     "<th align=\"right\" width=\"13%\">%4</th></tr>")
                     .arg(word("Step", language), word("Figures used", language), word("Rule", language),
                          word("Value", language));
  QString html;
  if (paged) {
    // The title heads the page; a panel has it as its caption.
    head.prepend(QStringLiteral("<tr><td colspan=\"4\"><h2 style=\"margin-top:0\">%1</h2></td></tr>")
                     .arg(text(workingTitle(language))));
    const QString style = layout == WorkingLayout::PagesAfter ? QStringLiteral("page-break-before: always; ") : QString();
    html = table + QStringLiteral(" style=\"%1font-size:9pt\">").arg(style) + head + QStringLiteral("</table>");
  } else {
    html = stepTable + QStringLiteral("<thead>") + head + QStringLiteral("</thead>");
  }
  int number = 0;
  for (const WorkingStep& step : working.steps()) {
    ++number;
    QString inputs;
    for (const WorkingFigure* f : shownInputs(step)) {
      if (!inputs.isEmpty()) inputs += QStringLiteral("<br>");
      inputs += text(workingWord(f->name, language)) + QStringLiteral("&nbsp;") + figure(f->value, f->kind);
    }
    QString rule;
    if (*step.rule) {
      rule = text(workingRule(step, working.taxYear, language));
      // The rule's figures are kept whole too.
      for (const WorkingFigure& f : step.ruleFigures) {
        const QString plain = text(formatFigure(f.value, f.kind));
        if (plain.contains(QLatin1Char(' '))) rule.replace(plain, figure(f.value, f.kind));
      }
      rule.replace(QStringLiteral(" %"), QStringLiteral("&nbsp;%"));  // "27.5 %" stays on one line
    }
    const QString row = QStringLiteral(
                            "<tr%1><td valign=\"top\" width=\"25%\">%2.&nbsp;%3</td>"
                            "<td valign=\"top\" width=\"34%\">%4</td><td valign=\"top\" width=\"28%\">%5</td>"
                            "<td valign=\"top\" align=\"right\" width=\"13%\"><b>%6</b></td></tr>")
                            .arg(number % 2 == 0 ? QStringLiteral(" bgcolor=\"#f0f0f0\"") : QString())
                            .arg(number)
                            .arg(text(workingLabel(step, language)).replace(QStringLiteral(" %"), QStringLiteral("&nbsp;%")),
                                 inputs, rule, figure(step.value, step.valueKind));
    // On paper each step is a table of its own, which the pages never split.
    html += paged ? stepTable + row + QStringLiteral("</table>") : row;
  }
  return paged ? html : html + QStringLiteral("</table>");
}

QString workingDocumentHtml(const Working& working, int language, WorkingLayout layout) {
  QString html = QStringLiteral("<html><head><title>%1</title></head><body>").arg(text(workingTitle(language)));
  if (working.empty())
    html += QStringLiteral("<p>Nothing has been calculated yet: press Calculate first.</p>");
  else
    html += workingTableHtml(working, language, layout);
  return html + QStringLiteral("</body></html>");
}

QString appendWorking(const QString& reportHtml, const Working& working, int language) {
  const QString table = workingTableHtml(working, language, WorkingLayout::PagesAfter);
  const qsizetype end = reportHtml.lastIndexOf(QLatin1String("</body>"), -1, Qt::CaseInsensitive);
  if (end < 0) return reportHtml + table;
  return QString(reportHtml).insert(end, table);
}

}  // namespace quorin
