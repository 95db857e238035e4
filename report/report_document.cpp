#include "report/report_document.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlRecord>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>
#include <kainjow/mustache.hpp>

#include "common/day_number.h"
#include "common/money.h"
#include "report/working_page.h"

namespace quorin {

namespace {

using kainjow::mustache::data;
using kainjow::mustache::mustache;

// The resolution the pages are laid out at; painting scales to the device.
constexpr int kLayoutDpi = 1200;

void addField(data& into, const std::string& key, const QVariant& value) {
  const auto type = value.typeId();
  if (type == QMetaType::Double || type == QMetaType::Float) {
    double v = value.toDouble();
    into.set(key, formatGrouped(v, 2));
    into.set(key + ":3", formatGrouped(v, 3));
    into.set(key + ":1", formatGrouped(v, 1));
    into.set(key + ":0", formatGrouped(v, 0));
    into.set(key + ":raw", formatShortest(v));
  } else if (type == QMetaType::LongLong || type == QMetaType::Int || type == QMetaType::Bool) {
    std::string text = std::to_string(value.toLongLong());
    for (const char* suffix : {"", ":3", ":1", ":0", ":raw"}) into.set(key + suffix, text);
    into.set(key + ":date", formatDay(static_cast<int>(value.toLongLong())));
  } else {
    std::string text = value.toString().toStdString();
    for (const char* suffix : {"", ":3", ":1", ":0", ":raw"}) into.set(key + suffix, text);
    into.set(key + ":set", text.empty() ? data(data::type::bool_false) : data(data::type::bool_true));
  }
}

void addRun(data& into, const ReportRun& run) {
  const bool year = run.taxYear.has_value();
  into.set("RunTaxYear", year ? std::to_string(run.taxYear->year) : std::string());
  into.set("RunTaxYear:set", year ? data(data::type::bool_true) : data(data::type::bool_false));
  into.set("RunYearStart", year ? formatDay(run.taxYear->firstDay) : std::string());
  into.set("RunYearEnd", year ? formatDay(run.taxYear->lastDay) : std::string());
  into.set("RunPrinted", run.printedAt);
  into.set("RunProgram", run.program);
  into.set("RunSettings", run.settings);
  into.set("RunAfrikaans", run.language == 1 ? data(data::type::bool_true) : data(data::type::bool_false));
  for (const FeedField& f : run.extras) addField(into, f.name, feedVariant(f.value));
}

QString footerWords(const ReportRun& run, const char* english, const char* afrikaans) {
  return QString::fromUtf8(run.language == 1 ? afrikaans : english);
}

}  // namespace

std::vector<std::string> ReportTemplate::tableNames() const {
  std::vector<std::string> names;
  for (const Table& t : tables) names.push_back(t.name);
  return names;
}

std::optional<std::string> readReportTemplate(const std::string& reportFile, ReportTemplate& out) {
  QFile file(QString::fromStdString(reportFile));
  if (!file.open(QIODevice::ReadOnly)) return "The report file " + reportFile + " could not be found";
  out.file = reportFile;
  out.text = QString::fromUtf8(file.readAll());
  out.tables.clear();
  static const QRegularExpression header(QStringLiteral(R"(\{\{!\s*(feed|rows):\s*([^}\s]+)\s*\}\})"));
  for (auto it = header.globalMatch(out.text); it.hasNext();) {
    auto m = it.next();
    out.tables.push_back({m.captured(2).toStdString(), m.captured(1) == QLatin1String("rows")});
  }
  return std::nullopt;
}

const std::vector<std::string>& reportRunKeys() {
  static const std::vector<std::string> keys = {"RunTaxYear", "RunYearStart", "RunYearEnd", "RunPrinted",
                                                "RunProgram", "RunSettings", "RunAfrikaans"};
  return keys;
}

ReportLayout fillReport(const ReportTemplate& report, const FeedTables& tables, const ReportRun& run) {
  data values;
  addRun(values, run);
  for (const auto& table : report.tables) {
    auto found = tables.rows.find(table.name);
    if (found == tables.rows.end())
      return {"The report table " + table.name + " is missing from the report database", {}};
    const auto& rows = found->second;
    if (!table.rows) {
      if (rows.empty()) return {"The report table " + table.name + " holds no row", {}};
      const QSqlRecord& rec = rows.front();
      for (int i = 0; i < rec.count(); ++i) addField(values, rec.fieldName(i).toStdString(), rec.value(i));
      continue;
    }
    data list{data::type::list};
    for (const QSqlRecord& rec : rows) {
      data row;
      for (int i = 0; i < rec.count(); ++i) addField(row, rec.fieldName(i).toStdString(), rec.value(i));
      list.push_back(row);
    }
    values.set(table.name, list);
  }

  mustache tmpl{report.text.toStdString()};
  if (!tmpl.is_valid()) return {"The report file " + report.file + " is damaged: " + tmpl.error_message(), {}};
  std::string html = tmpl.render(values);
  if (!tmpl.is_valid()) return {"The report file " + report.file + " is damaged: " + tmpl.error_message(), {}};
  return {std::nullopt, QString::fromStdString(html)};
}

ReportLayout fillReport(const std::string& reportFile, const std::string& databasePath, const ReportRun& run) {
  ReportTemplate report;
  if (auto e = readReportTemplate(reportFile, report)) return {e, {}};
  FeedTables tables;
  if (auto e = printFeed(databasePath, nullptr, nullptr, report.tableNames(), tables)) return {e, {}};
  return fillReport(report, tables, run);
}

ReportLayout printReport(const std::string& reportFile, const std::string& databasePath, const FeedRecord* record,
                         const FeedRows* rows, const ReportRun& run) {
  ReportTemplate report;
  const auto missing = readReportTemplate(reportFile, report);
  FeedTables tables;
  if (auto e = printFeed(databasePath, record, rows, report.tableNames(), tables)) return {e, {}};
  if (missing) return {missing, {}};
  return fillReport(report, tables, run);
}

// ---------------------------------------------------------------- pages

QPageLayout ReportPages::pageLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                     QPageLayout::Millimeter);
}

ReportPages::ReportPages(const QString& html, const ReportRun& run, const QString& fallbackTitle) : run_(run) {
  nowhere_ = std::make_unique<QBuffer>();  // the layout device is measured, never painted on
  layoutDevice_ = std::make_unique<QPdfWriter>(nowhere_.get());
  layoutDevice_->setResolution(kLayoutDpi);
  layoutDevice_->setPageLayout(pageLayout());

  QString body = html;
  static const QRegularExpression note(QStringLiteral(R"(<p\s+class="note"[^>]*>(.*?)</p>)"),
                                       QRegularExpression::DotMatchesEverythingOption);
  if (auto m = note.match(body); m.hasMatch()) {
    note_ = m.captured(1).trimmed();
    body.remove(m.capturedStart(), m.capturedLength());
  }
  // The working follows on pages of its own, numbered on with the printout's.
  if (run.working && !run.working->empty()) body = appendWorking(body, *run.working, run.language);

  document_ = std::make_unique<QTextDocument>();
  document_->documentLayout()->setPaintDevice(layoutDevice_.get());
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSizeF(10);
  font.setStyleStrategy(QFont::PreferNoShaping);  // plain letters, no ligature glyphs
  document_->setDefaultFont(font);
  document_->setDocumentMargin(0);
  document_->setDefaultStyleSheet(QStringLiteral("td[align=\"right\"] { white-space: nowrap; }"));
  document_->setHtml(body);
  title_ = document_->metaInformation(QTextDocument::DocumentTitle).trimmed();
  if (title_.isEmpty()) title_ = fallbackTitle;
  if (title_.isEmpty()) title_ = QStringLiteral("Quorin 2026");
  layOut();
}

ReportPages::~ReportPages() = default;

void ReportPages::layOut() {
  const QRectF area = pageLayout().paintRect(QPageLayout::Inch);
  bodyWidth_ = area.width() * kLayoutDpi;
  // The footer's height, with the widest page numbers it can hold.
  {
    QTextDocument footer;
    footer.documentLayout()->setPaintDevice(layoutDevice_.get());
    footer.setDefaultFont(document_->defaultFont());
    footer.setDocumentMargin(0);
    footer.setTextWidth(bodyWidth_);
    footer.setHtml(footerHtml(9999));
    footerHeight_ = footer.size().height() + kLayoutDpi * 0.08;  // and a gap above the rule
  }
  QFont small = document_->defaultFont();
  small.setPointSizeF(7.5);
  headerHeight_ = QFontMetricsF(small, layoutDevice_.get()).height() + kLayoutDpi * 0.06;
  bodyHeight_ = area.height() * kLayoutDpi - footerHeight_ - headerHeight_;
  document_->setPageSize(QSizeF(bodyWidth_, bodyHeight_));
  keepTablesTogether();

  // The last page is the one that holds the last thing printed: an empty
  // paragraph left after a table that fills a page makes no page of its own.
  QAbstractTextDocumentLayout* layout = document_->documentLayout();
  double bottom = 0;
  for (auto it = document_->rootFrame()->begin(); !it.atEnd(); ++it) {
    if (QTextFrame* frame = it.currentFrame())
      bottom = std::max(bottom, layout->frameBoundingRect(frame).bottom());
    else if (it.currentBlock().isValid() && !it.currentBlock().text().trimmed().isEmpty())
      bottom = std::max(bottom, layout->blockBoundingRect(it.currentBlock()).bottom());
  }
  pages_ = std::max(1, static_cast<int>(std::ceil(bottom / bodyHeight_ - 1e-9)));
  pages_ = std::min(pages_, std::max(1, document_->pageCount()));
}

// A table that fits on a page starts on a new page rather than run over
// the end of one. Every table is measured from one layout and the shift
// each break adds to what follows is carried along, so that one more layout
// settles them all (however many vehicles a register holds); a second pass
// catches what the estimate missed.
void ReportPages::keepTablesTogether() {
  QAbstractTextDocumentLayout* layout = document_->documentLayout();
  for (int pass = 0; pass < 2; ++pass) {
    std::vector<std::pair<QTextTable*, QRectF>> tables;
    for (QTextFrame* frame : document_->rootFrame()->childFrames())
      if (auto* table = qobject_cast<QTextTable*>(frame)) tables.emplace_back(table, layout->frameBoundingRect(table));
    std::vector<QTextTable*> breaks;
    double shift = 0;
    for (const auto& [table, r] : tables) {
      if (r.height() <= 0 || r.height() > bodyHeight_ * 0.98) continue;
      if (table->format().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) continue;
      const double top = r.top() + shift;
      const int first = static_cast<int>(std::floor(top / bodyHeight_));
      const int last = static_cast<int>(std::floor((top + r.height() - 1) / bodyHeight_));
      if (first == last) continue;
      shift += (first + 1) * bodyHeight_ - top;
      breaks.push_back(table);
    }
    if (breaks.empty()) return;
    QTextCursor edit(document_.get());
    edit.beginEditBlock();  // one layout for all the breaks, not one each
    for (QTextTable* table : breaks) {
      QTextTableFormat format = table->format();
      format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
      table->setFormat(format);
    }
    edit.endEditBlock();
  }
}

QString ReportPages::footerHtml(int page) const {
  const QString dot = QStringLiteral(" &middot; ");
  QString line = footerWords(run_, "Printed ", "Gedruk ") + QString::fromStdString(run_.printedAt).toHtmlEscaped() +
                 dot + QString::fromStdString(run_.program).toHtmlEscaped();
  if (run_.taxYear)
    line += dot + QString::number(run_.taxYear->year) + footerWords(run_, " tax year ", " belastingjaar ") +
            QString::fromStdString(formatDay(run_.taxYear->firstDay)) + QStringLiteral(" &ndash; ") +
            QString::fromStdString(formatDay(run_.taxYear->lastDay));
  const QString number = footerWords(run_, "page %1 of %2", "bladsy %1 van %2")
                             .arg(page)
                             .arg(page == 9999 ? 9999 : pages_);
  QString html = QStringLiteral(
                     "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\" style=\"font-size:7.5pt; color:#333\">"
                     "<tr><td width=\"85%\">%1</td><td width=\"15%\" align=\"right\">%2</td></tr>")
                     .arg(line, number);
  if (!run_.settings.empty())
    html += QStringLiteral("<tr><td colspan=\"2\">%1</td></tr>")
                .arg(QString::fromStdString(run_.settings).toHtmlEscaped());
  if (!note_.isEmpty()) html += QStringLiteral("<tr><td colspan=\"2\">%1</td></tr>").arg(note_);
  return html + QStringLiteral("</table>");
}

QString ReportPages::footerText(int page) const {
  QTextDocument footer;
  footer.setHtml(footerHtml(page));
  return footer.toPlainText();
}

bool ReportPages::paint(QPagedPaintDevice& device) const {
  device.setPageLayout(pageLayout());
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const double scale = static_cast<double>(device.logicalDpiX()) / kLayoutDpi;
  const double areaHeight = pageLayout().paintRect(QPageLayout::Inch).height() * kLayoutDpi;
  QAbstractTextDocumentLayout* layout = document_->documentLayout();

  QTextDocument footer;
  footer.documentLayout()->setPaintDevice(layoutDevice_.get());
  footer.setDefaultFont(document_->defaultFont());
  footer.setDocumentMargin(0);
  footer.setTextWidth(bodyWidth_);
  QFont small = document_->defaultFont();
  small.setPixelSize(qRound(7.5 * kLayoutDpi / 72.0));  // in layout units, as the painter is scaled
  small.setItalic(true);

  for (int page = 0; page < pages_; ++page) {
    if (page > 0 && !device.newPage()) return false;
    painter.save();
    painter.scale(scale, scale);
    if (page > 0) {  // the running title
      painter.setFont(small);
      painter.setPen(QColor(0x55, 0x55, 0x55));
      painter.drawText(QRectF(0, 0, bodyWidth_, headerHeight_), Qt::AlignLeft | Qt::AlignTop,
                       title_ + footerWords(run_, " (continued)", " (vervolg)"));
    }
    painter.save();
    painter.translate(0, headerHeight_ - page * bodyHeight_);
    const QRectF clip(0, page * bodyHeight_, bodyWidth_, bodyHeight_);
    painter.setClipRect(clip);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = clip;
    context.palette.setColor(QPalette::Text, Qt::black);
    layout->draw(&painter, context);
    painter.restore();

    const double footerTop = areaHeight - footerHeight_;
    painter.setPen(QPen(QColor(0x88, 0x88, 0x88), kLayoutDpi / 150.0));
    painter.drawLine(QPointF(0, footerTop), QPointF(bodyWidth_, footerTop));
    footer.setHtml(footerHtml(page + 1));
    painter.translate(0, footerTop + kLayoutDpi * 0.04);
    footer.drawContents(&painter);
    painter.restore();
  }
  return painter.end();
}

std::optional<std::string> writeReportPdf(const ReportPages& pages, const std::string& pdfPath) {
  const QString path = QString::fromStdString(pdfPath);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly))
    return "The PDF file " + pdfPath + " could not be written (" + file.errorString().toStdString() +
           "). Check that its folder exists and may be written to.";
  {
    QPdfWriter writer(&file);
    writer.setResolution(kLayoutDpi);
    writer.setTitle(pages.title());
    writer.setCreator(QStringLiteral("Quorin 2026"));
    if (!pages.paint(writer)) {
      file.cancelWriting();
      return "The PDF file " + pdfPath + " could not be written.";
    }
  }
  // A full disk shows when the last of the buffer is written: the file keeps
  // its old contents rather than take a truncated PDF.
  if (!file.flush() || file.error() != QFileDevice::NoError) {
    const std::string reason = file.errorString().toStdString();
    file.cancelWriting();
    return "The PDF file " + pdfPath + " could not be written (" + reason +
           "); any earlier file of that name is unchanged. Check the free space and try again.";
  }
  if (!file.commit())
    return "The PDF file " + pdfPath + " could not be written (" + file.errorString().toStdString() +
           "); any earlier file of that name is unchanged. Check the free space and try again.";
  return std::nullopt;
}

}  // namespace quorin
