// Every report file against the feed tables: each field a template asks for
// exists in the table it names (a misspelt field would print as blank), and
// each report lays out as a PDF from the delivered database.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>
#include <set>

#include "report/report_document.h"
#include "report/report_schema.h"
#include "test_folder.h"

using namespace quorin;

namespace {

QStringList reportFiles() {
  QStringList files;
  QDirIterator it(QStringLiteral(QUORIN_SOURCE_DIR), {"*.rpt"}, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    QString f = it.next();
    if (!f.contains("/build")) files << f;
  }
  return files;
}

TEST(ReportFiles, EveryFieldATemplateUsesIsInItsTables) {
  const QStringList files = reportFiles();
  ASSERT_FALSE(files.isEmpty());
  static const QRegularExpression header(R"(\{\{!\s*(feed|rows):\s*([^}\s]+)\s*\}\})");
  static const QRegularExpression tag(R"(\{\{\{?\s*([#^/]?)([^}!>]+?)\s*\}?\}\})");
  for (const QString& path : files) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    std::set<std::string> known;
    for (const auto& key : reportRunKeys()) known.insert(key);
    known.insert("TotAdjustTaxableInc");  // the register's totals beside the compcar rows
    known.insert("TotAdjustTaxableIncSARS");
    known.insert("RADeductShown");  // beside the SalPackage record
    int tables = 0;
    for (auto it = header.globalMatch(text); it.hasNext();) {
      auto m = it.next();
      const FeedTableSchema* table = findFeedTable(m.captured(2).toStdString());
      ASSERT_TRUE(table) << path.toStdString() << " names an unknown table " << m.captured(2).toStdString();
      ++tables;
      if (m.captured(1) == "rows") known.insert(table->name);
      for (const auto& c : table->columns) known.insert(c.name);
    }
    EXPECT_GT(tables, 0) << path.toStdString() << " names no table";
    for (auto it = tag.globalMatch(text); it.hasNext();) {
      auto m = it.next();
      QString name = m.captured(2).trimmed();
      if (name.startsWith('!')) continue;
      name = name.section(':', 0, 0);
      EXPECT_TRUE(known.count(name.toStdString())) << path.toStdString() << " uses unknown field " << name.toStdString();
    }
  }
}

// The title names the PDF and the export; the year comes from the run that
// printed, never from the file.
TEST(ReportFiles, EachHasATitleAndNoYearOfItsOwn) {
  for (const QString& path : reportFiles()) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.contains(QRegularExpression("<title>[^<]+</title>"))) << path.toStdString();
    EXPECT_FALSE(text.contains(QRegularExpression("20[0-9][0-9]"))) << path.toStdString();
  }
}

TEST(ReportFiles, EachReportLaysOutFromTheDeliveredDatabase) {
  test::TestFolder folder;
  for (const QString& path : reportFiles()) {
    const QString name = QFileInfo(path).fileName();
    ReportLayout layout = fillReport(folder.file(name.toUtf8().constData()), folder.file("Rudodeza.db"));
    ASSERT_FALSE(layout.error) << *layout.error;
    ReportPages pages(layout.html, {});
    const QString pdf = folder.qfile("out.pdf");
    ASSERT_FALSE(writeReportPdf(pages, pdf.toStdString()));
    EXPECT_GT(QFile(pdf).size(), 500) << name.toStdString();
  }
}

TEST(ReportFiles, LayoutFailuresNameWhatIsMissing) {
  test::TestFolder folder;
  ReportLayout missingFile = fillReport(folder.file("nothing.rpt"), folder.file("Rudodeza.db"));
  ASSERT_TRUE(missingFile.error);
  EXPECT_NE(missingFile.error->find("nothing.rpt"), std::string::npos);

  ReportLayout missingDb = fillReport(folder.file("kwiktep.rpt"), folder.file("gone.db"));
  ASSERT_TRUE(missingDb.error);
  EXPECT_NE(missingDb.error->find("gone.db"), std::string::npos);

  QFile bad(folder.qfile("bad.rpt"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("{{! feed: kwiktax }}{{#open}} never closed");
  bad.close();
  ReportLayout damaged = fillReport(folder.file("bad.rpt"), folder.file("Rudodeza.db"));
  ASSERT_TRUE(damaged.error);

  EXPECT_TRUE(writeReportPdf(ReportPages("x", {}), folder.path() + "/no/such/dir/x.pdf"));
}

}  // namespace
