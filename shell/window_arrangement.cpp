#include "shell/window_arrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRect>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <vector>

#include "widgets/window_fit.h"

namespace quorin {

namespace {

// The windows to arrange, bottom first, each shown normal.
QList<QMdiSubWindow*> arranged(QMdiArea* area) {
  QList<QMdiSubWindow*> windows;
  for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::StackingOrder)) {
    if (!sub->isVisible() || sub->isMinimized()) continue;
    if (sub->isMaximized()) sub->showNormal();
    windows << sub;
  }
  // Positions are given with the area scrolled to its top left.
  area->horizontalScrollBar()->setValue(0);
  area->verticalScrollBar()->setValue(0);
  return windows;
}

}  // namespace

void tileWindows(QMdiArea* area) {
  const QList<QMdiSubWindow*> windows = arranged(area);
  const int n = static_cast<int>(windows.size());
  if (n == 0) return;
  const int columns = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(n))));
  const int rows = (n + columns - 1) / columns;
  const QSize view = area->viewport()->size();
  const QSize tile(std::max(1, view.width() / columns), std::max(1, view.height() / rows));

  // Each window fills its tile, unless its contents need more: then it keeps
  // its own size there, and its column or row is made as wide or tall.
  std::vector<QSize> sizes;
  std::vector<int> widths(columns, tile.width());
  std::vector<int> heights(rows, tile.height());
  for (int i = 0; i < n; ++i) {
    QMdiSubWindow* sub = windows[i];
    const QSize minimum = sub->minimumSizeHint().expandedTo(sub->minimumSize());
    const QSize own = sub->size().expandedTo(minimum);
    const QSize size(minimum.width() > tile.width() ? own.width() : tile.width(),
                     minimum.height() > tile.height() ? own.height() : tile.height());
    sizes.push_back(size);
    widths[i % columns] = std::max(widths[i % columns], size.width());
    heights[i / columns] = std::max(heights[i / columns], size.height());
  }
  for (int i = 0; i < n; ++i) {
    int x = 0;
    int y = 0;
    for (int c = 0; c < i % columns; ++c) x += widths[c];
    for (int r = 0; r < i / columns; ++r) y += heights[r];
    windows[i]->setGeometry(QRect(QPoint(x, y), sizes[i]));
  }
}

void cascadeWindows(QMdiArea* area) {
  const QList<QMdiSubWindow*> windows = arranged(area);
  const QSize view = area->viewport()->size();
  int step = 0;
  int offset = 0;
  for (QMdiSubWindow* sub : windows) {
    if (step == 0) step = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub) + 4;
    // A window keeps its size, no larger than the area, never smaller than
    // its contents' minimum.
    const QSize size = sub->size().boundedTo(view).expandedTo(sub->minimumSizeHint());
    if (size != sub->size()) sub->resize(size);
    // Each one step further down and right; one that would no longer fit
    // starts the cascade again at the top left.
    if (offset + size.width() > view.width() || offset + size.height() > view.height()) offset = 0;
    sub->move(offset, offset);
    keepInArea(sub);
    offset += step;
  }
}

QSize mainWindowSize(const QSize& wanted, const QRect& available) {
  // Room for a title bar and the frame that a window manager adds.
  const QSize frame(16, 40);
  return wanted.boundedTo(available.size() - frame);
}

}  // namespace quorin
