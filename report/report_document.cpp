#include "report/report_document.h"

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTextDocument>
#include <kainjow/mustache.hpp>

#include "report/sql_connection.h"
#include "common/day_number.h"
#include "common/money.h"

namespace quorin {

namespace {

using kainjow::mustache::data;
using kainjow::mustache::mustache;

void addField(data& into, const QString& name, const QVariant& value) {
  const std::string key = name.toStdString();
  const auto type = value.typeId();
  if (type == QMetaType::Double || type == QMetaType::Float) {
    double v = value.toDouble();
    into.set(key, formatGrouped(v, 2));
    into.set(key + ":3", formatGrouped(v, 3));
    into.set(key + ":0", formatGrouped(v, 0));
    into.set(key + ":raw", formatShortest(v));
  } else if (type == QMetaType::LongLong || type == QMetaType::Int || type == QMetaType::Bool) {
    std::string text = std::to_string(value.toLongLong());
    for (const char* suffix : {"", ":3", ":0", ":raw"}) into.set(key + suffix, text);
    into.set(key + ":date", formatDay(static_cast<int>(value.toLongLong())));
  } else {
    std::string text = value.toString().toStdString();
    for (const char* suffix : {"", ":3", ":0", ":raw"}) into.set(key + suffix, text);
    into.set(key + ":set", text.empty() ? data(data::type::bool_false) : data(data::type::bool_true));
  }
}

std::optional<std::string> readTable(SqlConnection& c, const QString& table, bool allRows, data& into) {
  if (!c.db().tables().contains(table))
    return "The report table " + table.toStdString() + " is missing from the report database";
  QSqlQuery q(c.db());
  if (!q.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(c.quoted(table.toStdString()))))
    return "The report table " + table.toStdString() + " could not be read: " + q.lastError().text().toStdString();
  data list{data::type::list};
  bool any = false;
  while (q.next()) {
    any = true;
    data row;
    QSqlRecord rec = q.record();
    for (int i = 0; i < rec.count(); ++i) addField(allRows ? row : into, rec.fieldName(i), rec.value(i));
    if (!allRows) return std::nullopt;
    list.push_back(row);
  }
  if (!allRows && !any) return "The report table " + table.toStdString() + " holds no row";
  into.set(table.toStdString(), list);
  return std::nullopt;
}

}  // namespace

ReportLayout fillReport(const std::string& reportFile, const std::string& databasePath) {
  QFile file(QString::fromStdString(reportFile));
  if (!file.open(QIODevice::ReadOnly))
    return {"The report file " + reportFile + " could not be found", {}};
  const QString text = QString::fromUtf8(file.readAll());

  SqlConnection c(databasePath, true);
  if (c.error()) return {c.error(), {}};

  data values;
  static const QRegularExpression header(QStringLiteral(R"(\{\{!\s*(feed|rows):\s*([^}\s]+)\s*\}\})"));
  for (auto it = header.globalMatch(text); it.hasNext();) {
    auto m = it.next();
    if (auto e = readTable(c, m.captured(2), m.captured(1) == QLatin1String("rows"), values)) return {e, {}};
  }

  mustache tmpl{text.toStdString()};
  if (!tmpl.is_valid()) return {"The report file " + reportFile + " is damaged: " + tmpl.error_message(), {}};
  std::string html = tmpl.render(values);
  if (!tmpl.is_valid()) return {"The report file " + reportFile + " is damaged: " + tmpl.error_message(), {}};
  return {std::nullopt, QString::fromStdString(html)};
}

std::unique_ptr<QTextDocument> reportDocument(const QString& html) {
  auto doc = std::make_unique<QTextDocument>();
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSizeF(10);
  doc->setDefaultFont(font);
  doc->setHtml(html);
  return doc;
}

std::optional<std::string> writeReportPdf(QTextDocument& document, const std::string& pdfPath) {
  const QString path = QString::fromStdString(pdfPath);
  {
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly)) return "The PDF file " + pdfPath + " could not be written";
  }
  QPdfWriter writer(path);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  writer.setTitle(QFileInfo(path).completeBaseName());
  writer.setCreator(QStringLiteral("Quorin 2026"));
  document.print(&writer);
  return std::nullopt;
}

}  // namespace quorin
