// Build tool: turns the user manual's chapters (Markdown, in file-name
// order) into the PDF that the help viewer shows.
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s OUTPUT.pdf CHAPTER.md...\n", argv[0]);
    return 64;
  }
  QString markdown;
  for (int i = 2; i < argc; ++i) {
    QFile chapter(QString::fromLocal8Bit(argv[i]));
    if (!chapter.open(QIODevice::ReadOnly)) {
      std::fprintf(stderr, "cannot read %s\n", argv[i]);
      return 1;
    }
    markdown += QString::fromUtf8(chapter.readAll()) + QStringLiteral("\n\n");
  }
  QTextDocument doc;
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPointSizeF(10.5);
  doc.setDefaultFont(font);
  doc.setMarkdown(markdown);
  // Each chapter (a first-level heading) starts on a new page.
  bool first = true;
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() != 1) continue;
    if (!first) {
      QTextCursor cursor(block);
      QTextBlockFormat format = block.blockFormat();
      format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
      cursor.setBlockFormat(format);
    }
    first = false;
  }
  QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
  writer.setTitle(QStringLiteral("Quorin 2026 User Manual"));
  writer.setCreator(QStringLiteral("Quorin 2026"));
  doc.print(&writer);
  return 0;
}
